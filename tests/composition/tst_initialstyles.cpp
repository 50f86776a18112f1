// The sizes a kind's fields start at before the user picks one: the
// largest up to 20 at which one line of a typical value fits its box at
// every place of a sheet, worked out again here with the composer.
#include "composition/composer.h"
#include "composition/labelfonts.h"
#include "sheet/labelkinds.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include <QTest>

namespace {

constexpr int LargestInitialSize = 20;

// Typical values, full-width throughout: a four-character name, eleven
// characters of birth data, sixteen of an address, eight of a seat or exam.
const QString Name = QStringLiteral("歐陽美玲");
const QString Birth = QStringLiteral("民國六十年十二月廿八日");
const QString Address = QStringLiteral("台北市中正區重慶南路一段一二二號");
const QString Seat = QStringLiteral("甲區十二排三十號");
const QString Exam = QStringLiteral("大學學科能力測驗");

// One record: lines 0, 1 and 2 are fields n1, n2 and n3.
QStringList typicalRecord(int kind)
{
    switch (kind) {
    case 1:
        return {Name};
    case 2:
        return {Name, Birth, Address};
    case 3:
        return {Name, Seat};
    default:
        return {Name, Exam};
    }
}

// The box a style panel styles, as the print run assigns them.
QString boxOf(StylePanel panel)
{
    switch (panel) {
    case StylePanel::Name:
        return QStringLiteral("Memo1");
    case StylePanel::ThirdField:
        return QStringLiteral("Memo2");
    case StylePanel::Address:
        break;
    }
    return QStringLiteral("Memo3");
}

qsizetype boxIndex(const LabelTemplate &layout, const QString &name)
{
    for (qsizetype i = 0; i < layout.boxes.size(); ++i) {
        if (layout.boxes[i].name == name)
            return i;
    }
    return -1;
}

// A first start's sheet of the kind: default margins, the initial sizes.
LabelTemplate initialSheet(int kind)
{
    LabelTemplate layout = LabelFixtures::prepared(kind);
    for (const StyleSection &section : labelKind(kind)->sections())
        layout.boxes[boxIndex(layout, boxOf(section.panel))].font.pointSize = section.initialSize;
    return layout;
}

QList<ComposedPage> fullSheet(const LabelTemplate &layout, int kind)
{
    MemoryFeed feed(QList<QStringList>(70, typicalRecord(kind)));
    return composeLabelPages(layout, feed).pages;
}

bool fitsOnOneLineEverywhere(const QList<ComposedPage> &pages, qsizetype box)
{
    for (const ComposedPage &page : pages) {
        for (const PlacedLabel &label : page.labels) {
            if (label.boxes[box].cut || label.boxes[box].lines.size() != 1)
                return false;
        }
    }
    return true;
}

int largestFittingSize(int kind, qsizetype box)
{
    LabelTemplate layout = initialSheet(kind);
    for (int size = LargestInitialSize; size > 1; --size) {
        layout.boxes[box].font.pointSize = size;
        if (fitsOnOneLineEverywhere(fullSheet(layout, kind), box))
            return size;
    }
    return 0;
}

} // namespace

class TestInitialStyles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void sizesAreTheLargestThatFit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("section");
        for (int kind = FirstKind; kind <= LastKind; ++kind) {
            const auto sections = labelKind(kind)->sections();
            for (int i = 0; i < int(sections.size()); ++i)
                QTest::addRow("%s", QString::fromUtf16(sections[i].name).toLatin1().constData())
                    << kind << i;
        }
    }

    void sizesAreTheLargestThatFit()
    {
        QFETCH(int, kind);
        QFETCH(int, section);
        const StyleSection &stored = labelKind(kind)->sections()[section];
        const qsizetype box = boxIndex(*labelTemplate(kind), boxOf(stored.panel));
        QCOMPARE(stored.initialSize, largestFittingSize(kind, box));
    }

    // What a first start prints: one line a field and nothing cut.
    void firstStartSheetHasNothingCut_data()
    {
        QTest::addColumn<int>("kind");
        for (int kind = FirstKind; kind <= LastKind; ++kind)
            QTest::addRow("kind %d", kind) << kind;
    }

    void firstStartSheetHasNothingCut()
    {
        QFETCH(int, kind);
        const QList<ComposedPage> pages = fullSheet(initialSheet(kind), kind);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].labels.size(), 70);
        QCOMPARE(pages[0].cutLabelCount(), 0);
        for (qsizetype box = 0; box < pages[0].labels[0].boxes.size(); ++box)
            QVERIFY2(fitsOnOneLineEverywhere(pages, box),
                     qPrintable(pages[0].labels[0].boxes[box].name));
    }
};

QTEST_MAIN(TestInitialStyles)
#include "tst_initialstyles.moc"
