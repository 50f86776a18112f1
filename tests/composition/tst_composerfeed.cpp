// How a run drives the record feed, and what the boxes show of its answers.
#include "composition/composer.h"
#include "composition/labelfonts.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include <QTest>

class TestComposerFeed : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void callSequence_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("topMm");
        QTest::addColumn<QStringList>("valuesPerRecord");
        QTest::newRow("kind 1") << 1 << 2.0 << QStringList{"n1"};
        QTest::newRow("kind 2") << 2 << 2.0 << QStringList{"n1", "n2", "n3"};
        QTest::newRow("kind 3") << 3 << 2.0 << QStringList{"n1", "n2"};
        QTest::newRow("kind 4") << 4 << 2.0 << QStringList{"n1", "n2"};
        QTest::newRow("kind 2, a row moved to page 2")
            << 2 << 3.41 << QStringList{"n1", "n2", "n3"};
    }

    void callSequence()
    {
        QFETCH(int, kind);
        QFETCH(double, topMm);
        QFETCH(QStringList, valuesPerRecord);
        QStringList expected{"First"};
        for (int record = 1; record <= 70; ++record) {
            expected.append("AtEnd");
            for (const QString &field : valuesPerRecord)
                expected.append("Value " + field);
            expected.append("Next");
        }
        expected.append("AtEnd");

        MemoryFeed feed(LabelFixtures::kind2Records());
        composeLabelPages(LabelFixtures::prepared(kind, topMm), feed);
        QCOMPARE(feed.calls, expected);
        QCOMPARE(feed.calls.count("AtEnd"), 71);
    }

    void boxesShowTheirFields()
    {
        MemoryFeed feed({{"陳淑芬", "民國六十年三月五日", "台北市中正區"}});
        const Composition composition = composeLabelPages(LabelFixtures::prepared(2), feed);
        const PlacedLabel label = composition.pages.constFirst().labels.constFirst();
        QCOMPARE(label.record, 1);
        QStringList texts;
        for (const ComposedTextBox &box : label.boxes)
            texts.append(box.name + "=" + box.text);
        QCOMPARE(texts,
                 QStringList({"Memo1=陳淑芬", "Memo2=民國六十年三月五日", "Memo3=台北市中正區"}));
    }

    void emptyRecordKeepsItsPlace()
    {
        QList<QStringList> records = LabelFixtures::kind2Records();
        records[5] = QStringList();
        MemoryFeed feed(records);
        const Composition composition = composeLabelPages(LabelFixtures::prepared(2), feed);
        const QList<PlacedLabel> &labels = composition.pages.constFirst().labels;
        QCOMPARE(labels.size(), 70);
        for (const ComposedTextBox &box : labels[5].boxes) {
            QVERIFY(box.text.isEmpty());
            QVERIFY(box.lines.isEmpty());
        }
        QCOMPARE(labels[6].record, 7);
        QCOMPARE(labels[6].column, 2);
        QCOMPARE(labels[6].position.y(), labels[5].position.y());
        QCOMPARE(labels[6].boxes[0].text, records[6][0]);
    }

    // A field the feed does not answer leaves the box empty.
    void unansweredFieldShowsNothing()
    {
        LabelTemplate layout = LabelFixtures::prepared(1);
        layout.boxes[0].field = QStringLiteral("n4");
        MemoryFeed feed(LabelFixtures::kind2Records());
        const Composition composition = composeLabelPages(layout, feed);
        QVERIFY(
            composition.pages.constFirst().labels.constFirst().boxes.constFirst().text.isEmpty());
        QVERIFY(feed.calls.contains("Value n4"));
    }
};

QTEST_MAIN(TestComposerFeed)
#include "tst_composerfeed.moc"
