// Text of a label: names wrapped into lines measured at 600 dpi, and the
// exam box of kind 4 growing to its lines without moving anything else.
#include "composition/composer.h"
#include "composition/labelfonts.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include <QTest>

namespace {

PlacedLabel firstLabel(const LabelTemplate &layout, const QList<QStringList> &records)
{
    MemoryFeed feed(records);
    return composeLabelPages(layout, feed).pages.constFirst().labels.constFirst();
}

} // namespace

class TestComposerText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void nameWrapsBetweenCharacters_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("20 pt fits") << 20 << QStringList{"歐陽娜娜"};
        QTest::newRow("36 pt two a line") << 36 << QStringList{"歐陽", "娜娜"};
        QTest::newRow("72 pt one a line") << 72 << QStringList{"歐", "陽", "娜", "娜"};
    }

    void nameWrapsBetweenCharacters()
    {
        QFETCH(int, points);
        QFETCH(QStringList, lines);
        const PlacedLabel label =
            firstLabel(LabelFixtures::prepared(1, 2, 5, points), {{"歐陽娜娜"}});
        QCOMPARE(label.boxes[0].lines, lines);
        QCOMPARE(label.boxes[0].text, QStringLiteral("歐陽娜娜"));
    }

    void examBoxStretches_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("exam");
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("height");
        QTest::newRow("18 pt, one line: stays") << 18 << "國中會考" << 1 << 29.11812;
        QTest::newRow("20 pt, one line: grows") << 20 << "國中會考" << 1 << 31.0;
        QTest::newRow("14 pt, two lines") << 14 << "大學學科能力測驗" << 2 << 43.0;
        QTest::newRow("18 pt, three lines") << 18 << "一百一十三學年度國中教育會考" << 3 << 80.0;
        QTest::newRow("empty: stays") << 20 << "" << 0 << 29.11812;
    }

    void examBoxStretches()
    {
        QFETCH(int, points);
        QFETCH(QString, exam);
        QFETCH(int, lines);
        QFETCH(double, height);
        const LabelTemplate layout = LabelFixtures::prepared(4, 2, 5, points);
        QList<QStringList> records(6, {"林志明", exam});
        records[1] = {"張家豪"};
        MemoryFeed feed(records);
        const QList<PlacedLabel> labels = composeLabelPages(layout, feed).pages.constFirst().labels;

        const ComposedTextBox &examBox = labels[0].boxes[1];
        QCOMPARE(examBox.lines.size(), lines);
        QCOMPARE(examBox.rect.height(), height);
        QCOMPARE(examBox.rect.top(), layout.boxes[1].rect.top());
        // The name box starts inside the exam box and stays; so do the row
        // pitch and the next record's exam box.
        QCOMPARE(labels[0].boxes[0].rect, layout.boxes[0].rect);
        QCOMPARE(labels[1].boxes[1].rect.height(), layout.boxes[1].rect.height());
        QCOMPARE(labels[5].position.y(), layout.masterData1.height);
    }

    void threeLineExamReachesBelowItsLabel()
    {
        const LabelTemplate layout = LabelFixtures::prepared(4, 2, 5, 18);
        const PlacedLabel label = firstLabel(layout, {{"林志明", "一百一十三學年度國中教育會考"}});
        QVERIFY(label.boxes[1].rect.bottom() > layout.masterData1.height);
    }

    // A box wholly below a growing box moves down by the growth, unless
    // another box stands between them.
    void boxWhollyBelowMovesDown_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("boxBetween");
        QTest::addColumn<double>("nameTop");
        QTest::newRow("no growth at 18 pt") << 18 << false << 40.0;
        QTest::newRow("grown by 1.88188 at 20 pt") << 20 << false << 40.0 + 31 - 29.11812;
        QTest::newRow("another box between") << 20 << true << 40.0;
    }

    void boxWhollyBelowMovesDown()
    {
        QFETCH(int, points);
        QFETCH(bool, boxBetween);
        QFETCH(double, nameTop);
        LabelTemplate layout = LabelFixtures::prepared(4, 2, 5, points);
        layout.boxes[0].rect.moveTop(40);
        if (boxBetween) {
            TextBoxTemplate between = layout.boxes[0];
            between.rect = QRectF(0, 39, 140, 1);
            layout.boxes.append(between);
        }
        const PlacedLabel label = firstLabel(layout, {{"林志明", "國中會考"}});
        QCOMPARE(label.boxes[0].rect.top(), nameTop);
    }
};

QTEST_MAIN(TestComposerText)
#include "tst_composertext.moc"
