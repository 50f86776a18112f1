// A full kind 2 page of Traditional Chinese names written to a 600 dpi PDF
// and read back with pdftotext: every word stands centred on its box in the
// label grid, measured from the paper's corner.
#include "composition/composer.h"
#include "composition/labelfonts.h"
#include "composition/pageoutput.h"
#include "composition/reportunits.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double MmPerPoint = 25.4 / 72;
// Rounding to whole dots moves a box edge, its text area and a line's start
// by half a dot each.
constexpr double DotMm = 25.4 / 600;

struct Word {
    QString text;
    QPointF centreMm;
};

QList<Word> readWords(const QString &html)
{
    static const QRegularExpression Pattern(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    for (const QRegularExpressionMatch &match : Pattern.globalMatch(html)) {
        const double x = (match.captured(1).toDouble() + match.captured(3).toDouble()) / 2;
        const double y = (match.captured(2).toDouble() + match.captured(4).toDouble()) / 2;
        words.append({match.captured(5), QPointF(x, y) * MmPerPoint});
    }
    return words;
}

// Centre of box `box` of record `record` on the label sheet: five columns
// 40.2 mm apart and rows 20.9 mm apart from the margins, as the layouts
// store them in report units.
QPointF gridCentreMm(const LabelTemplate &layout, int record, int box)
{
    const MasterDataBand &band = layout.masterData1;
    const QPointF label((record - 1) % 5 * band.columnPitch(), (record - 1) / 5 * band.height);
    const QPointF centre = label + layout.boxes[box].rect.center();
    return QPointF(layout.page1.leftMarginMm + ReportUnits::toMm(centre.x()),
                   layout.page1.topMarginMm + ReportUnits::toMm(centre.y()));
}

} // namespace

class TestPdfPositions : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<Word> m_words;
    LabelTemplate m_layout;
    QList<QStringList> m_records = LabelFixtures::kind2Records();

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: scripts/setup.sh installs poppler-utils");
        LabelFonts::installKaiSubstitution();
        m_layout = LabelFixtures::kind2Sheet();
        MemoryFeed feed(m_records);
        const Composition composition = composeLabelPages(m_layout, feed);
        QCOMPARE(composition.pages.size(), 1);

        const QString pdf = m_dir.filePath(QStringLiteral("kind2.pdf"));
        const QString html = m_dir.filePath(QStringLiteral("kind2.html"));
        QFile out(pdf);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(writeSheetsPdf(out, composition.pages, {}).done());
        out.close();
        QCOMPARE(QProcess::execute(QStringLiteral("pdftotext"), {"-bbox", pdf, html}), 0);
        QFile read(html);
        QVERIFY(read.open(QIODevice::ReadOnly));
        m_words = readWords(QString::fromUtf8(read.readAll()));
    }

    void oneWordPerFilledBox() { QCOMPARE(m_words.size(), 70 * 3); }

    // Each box's words stand on the grid across within 1.5 dots (0.06 mm).
    // Down, the word box pdftotext reports follows the font's ascent and
    // descent rather than the character height, so it sits a fixed distance
    // above the box centre: the same for every label to 1.2 dots (0.05 mm),
    // and less than 0.6 mm.
    void wordsOnTheLabelGrid_data()
    {
        QTest::addColumn<int>("box");
        QTest::newRow("names, Memo1") << 0;
        QTest::newRow("birth, Memo2") << 1;
        QTest::newRow("address, Memo3") << 2;
    }

    void wordsOnTheLabelGrid()
    {
        QFETCH(int, box);
        QList<double> rises;
        for (int record = 1; record <= 70; ++record) {
            const QString text = m_records[record - 1][box];
            const QPointF expected = gridCentreMm(m_layout, record, box);
            const auto word =
                std::find_if(m_words.cbegin(), m_words.cend(), [&](const Word &candidate) {
                    return candidate.text == text
                        && QLineF(candidate.centreMm, expected).length() < 2;
                });
            QVERIFY2(word != m_words.cend(), qPrintable(text));
            QVERIFY2(std::abs(word->centreMm.x() - expected.x()) <= 1.5 * DotMm,
                     qPrintable(QStringLiteral("%1 at %2 mm, box centre %3 mm")
                                    .arg(text)
                                    .arg(word->centreMm.x())
                                    .arg(expected.x())));
            rises.append(expected.y() - word->centreMm.y());
        }
        const auto [lowest, highest] = std::minmax_element(rises.cbegin(), rises.cend());
        QVERIFY2(*highest - *lowest <= 1.2 * DotMm,
                 qPrintable(QStringLiteral("%1 to %2").arg(*lowest).arg(*highest)));
        QVERIFY(*lowest >= 0 && *highest < 0.6);
    }
};

QTEST_MAIN(TestPdfPositions)
#include "tst_pdfpositions.moc"
