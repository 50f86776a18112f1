// The alignment sheet written to a 600 dpi PDF and read back with
// pdftotext: every record number stands at its label's centre, for every
// kind and for margins that move the grid or push its last row off.
#include "composition/alignmentsheet.h"
#include "composition/pageoutput.h"
#include "composition/reportunits.h"
#include "tests/common/pdfwords.h"
#include "tests/composition/labelfixtures.h"

#include <QBuffer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Centre of label `record` computed from the band as stored: five columns a
// column pitch apart, rows a band height apart, from the margins.
QPointF labelCentreMm(const LabelTemplate &layout, int record)
{
    const MasterDataBand &band = layout.masterData1;
    const QPointF centre((record - 1) % band.columns * band.columnPitch() + band.columnWidth / 2,
                         (record - 1) / band.columns * band.height + band.height / 2);
    return QPointF(layout.page1.leftMarginMm + ReportUnits::toMm(centre.x()),
                   layout.page1.topMarginMm + ReportUnits::toMm(centre.y()));
}

} // namespace

class TestAlignmentSheet : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void numbersAtLabelCentres_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::addColumn<int>("labels");
        for (int kind = 1; kind <= 4; ++kind)
            QTest::addRow("kind %d", kind) << kind << 2.0 << 5.0 << 70;
        QTest::newRow("kind 2 moved") << 2 << 3.0 << 6.5 << 70;
        QTest::newRow("kind 3, last row off the sheet") << 3 << 3.41 << 4.0 << 65;
    }

    void numbersAtLabelCentres()
    {
        QFETCH(int, kind);
        QFETCH(double, top);
        QFETCH(double, left);
        QFETCH(int, labels);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: scripts/setup.sh installs poppler-utils");
        const LabelTemplate layout = LabelFixtures::prepared(kind, top, left);
        const Composition sheet = composeAlignmentSheet(layout);
        QCOMPARE(sheet.status, CompositionStatus::Composed);
        QCOMPARE(sheet.pages.size(), 1);
        QCOMPARE(sheet.pages.first().labels.size(), labels);

        const QString pdf =
            m_dir.filePath(QStringLiteral("alignment%1.pdf").arg(QTest::currentDataTag()));
        QFile out(pdf);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(writeSheetsPdf(out, sheet.pages, {}).done());
        out.close();

        QHash<QString, QPointF> centres;
        for (const PdfWord &word : pdfWords(pdf))
            centres.insert(word.text, word.box.center());
        for (int record = 1; record <= labels; ++record) {
            const QString number = QString::number(record);
            QVERIFY2(centres.contains(number), qPrintable(number));
            const QPointF offset = centres.value(number) - labelCentreMm(layout, record);
            QVERIFY2(qAbs(offset.x()) < 0.1 && qAbs(offset.y()) < 0.1,
                     qPrintable(QStringLiteral("%1 off by %2, %3 mm")
                                    .arg(number)
                                    .arg(offset.x())
                                    .arg(offset.y())));
        }
        QVERIFY(!centres.contains(QString::number(labels + 1)));
    }

    void scalesOnTheFirstRowAndColumn()
    {
        const Composition sheet = composeAlignmentSheet(LabelFixtures::prepared(1));
        const PageMarks &marks = sheet.pages.first().marks;
        QCOMPARE(marks.outlines.size(), 70);
        // Five scales along the top, fourteen down the left, each reading
        // -2 and +2 beside its ticks; the zero is the label's edge.
        const auto count = [&](const QString &text) {
            return std::count_if(marks.figures.cbegin(), marks.figures.cend(),
                                 [&](const CentredFigure &figure) { return figure.text == text; });
        };
        QCOMPARE(count(QStringLiteral("0")), 0);
        QCOMPARE(count(QStringLiteral("+2")), 5 + 14);
        QCOMPARE(count(QStringLiteral("-2")), 5 + 14);
    }

    void noRoomForARow()
    {
        QCOMPARE(composeAlignmentSheet(LabelFixtures::prepared(2, 290)).status,
                 CompositionStatus::NoRowFits);
    }
};

QTEST_MAIN(TestAlignmentSheet)
#include "tst_alignmentsheet.moc"
