// Labels whose text does not fit: the composer marks them, and when the
// template asks it shrinks only those labels' boxes until their text fits.
#include "composition/composer.h"
#include "composition/labelcomposer.h"
#include "composition/labelfonts.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include <QTest>

namespace {

const QStringList Fitting{QStringLiteral("陳美玲"), QStringLiteral("民國60年1月2日"),
                          QStringLiteral("台北市")};
const QStringList LongAddress{QStringLiteral("林志明"), QStringLiteral("民國61年3月4日"),
                              QStringLiteral("台北市中正區重慶南路一段一二二號")};

// Kind 2 with the name at 12 points and birth and address at 8.
LabelTemplate kind2(bool shrink)
{
    LabelTemplate layout = LabelFixtures::kind2Sheet();
    layout.boxes[0].font.pointSize = 12;
    layout.shrinkToFit = shrink;
    return layout;
}

ComposedPage composedPage(const LabelTemplate &layout, const QList<QStringList> &records)
{
    MemoryFeed feed(records);
    return composeLabelPages(layout, feed).pages.constFirst();
}

QList<int> sizesOf(const PlacedLabel &label)
{
    QList<int> sizes;
    for (const ComposedTextBox &box : label.boxes)
        sizes.append(box.font.pointSize);
    return sizes;
}

} // namespace

class TestCutLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void textPastItsBoxIsCut_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("points");
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<bool>("cut");
        QTest::newRow("name fits") << 1 << 20 << QStringList{"歐陽娜娜"} << false;
        QTest::newRow("name on three lines") << 1 << 36 << QStringList{"歐陽娜娜歐陽"} << true;
        QTest::newRow("name wider than the box") << 1 << 100 << QStringList{"歐"} << true;
        QTest::newRow("birth at 20 wraps past its box")
            << 2 << 20 << QStringList{"", "民國六十年十二月"} << true;
        QTest::newRow("exam growing into the name")
            << 4 << 20 << QStringList{"", "國中會考"} << true;
        QTest::newRow("exam at 18 stays in its box")
            << 4 << 18 << QStringList{"", "國中會考"} << false;
        QTest::newRow("exam at 18 over the name")
            << 4 << 18 << QStringList{"王小明", "國中會考"} << true;
        QTest::newRow("name at 20 over the birth data")
            << 2 << 20 << QStringList{"王小明", "民國"} << true;
        QTest::newRow("empty") << 2 << 72 << QStringList{} << false;
    }

    void textPastItsBoxIsCut()
    {
        QFETCH(int, kind);
        QFETCH(int, points);
        QFETCH(QStringList, record);
        QFETCH(bool, cut);
        const ComposedPage page =
            composedPage(LabelFixtures::prepared(kind, 2, 5, points), {record});
        QCOMPARE(page.labels[0].isCut(), cut);
        QCOMPARE(page.cutLabelCount(), cut ? 1 : 0);
    }

    void onlyCutLabelsShrink()
    {
        const QList<QStringList> records{Fitting, LongAddress, Fitting};
        const ComposedPage styled = composedPage(kind2(false), records);
        QCOMPARE(styled.cutLabelCount(), 1);
        QVERIFY(styled.labels[1].boxes[2].cut);

        const ComposedPage shrunk = composedPage(kind2(true), records);
        QCOMPARE(shrunk.cutLabelCount(), 0);
        QCOMPARE(sizesOf(shrunk.labels[0]), (QList<int>{12, 8, 8}));
        QCOMPARE(sizesOf(shrunk.labels[2]), (QList<int>{12, 8, 8}));
        // The fitting boxes of the cut label keep their size; the address
        // takes the largest that fits.
        const QList<int> sizes = sizesOf(shrunk.labels[1]);
        QCOMPARE(sizes.mid(0, 2), (QList<int>{12, 8}));
        QVERIFY(sizes[2] >= SmallestShrunkSize && sizes[2] < 8);
        LabelTemplate oneLarger = kind2(false);
        oneLarger.boxes[2].font.pointSize = sizes[2] + 1;
        QVERIFY(composedPage(oneLarger, records).labels[1].isCut());
    }

    void shrinksNoFurtherThanSix()
    {
        const QStringList endless{"", "", QString(60, QChar(u'號'))};
        const ComposedPage page = composedPage(kind2(true), {endless});
        QCOMPARE(page.labels[0].boxes[2].font.pointSize, SmallestShrunkSize);
        QVERIFY(page.labels[0].isCut());
    }

    // One cell judged alone comes out as on the composed sheet.
    void singleLabelAgreesWithTheSheet()
    {
        QList<QStringList> records(70, Fitting);
        records[68] = LongAddress;
        const ComposedPage page = composedPage(kind2(false), records);
        const LabelComposer labels(kind2(false));
        for (int record : {1, 69, 70}) {
            const PlacedLabel &placed = page.labels[record - 1];
            const PlacedLabel alone = labels.label(record, records[record - 1]);
            QCOMPARE(alone.position, placed.position);
            QCOMPARE(alone.column, placed.column);
            QCOMPARE(alone.isCut(), placed.isCut());
        }
    }
};

QTEST_MAIN(TestCutLabels)
#include "tst_cutlabels.moc"
