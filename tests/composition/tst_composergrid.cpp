// Where labels land: columns and rows from the page origin at the margins,
// how many rows a page keeps for a given top margin, rows moved whole to
// the next page, and margins that leave no room for a row.
#include "composition/composer.h"
#include "composition/labelfonts.h"
#include "composition/reportunits.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include <QTest>

namespace {

// Figures are given to four decimals of a millimetre.
constexpr double MmTolerance = 0.00005;

Composition composeEmpty(const LabelTemplate &layout, int records = 70)
{
    MemoryFeed feed{QList<QStringList>(records)};
    return composeLabelPages(layout, feed);
}

QList<int> labelsPerPage(const Composition &composition)
{
    QList<int> counts;
    for (const ComposedPage &page : composition.pages)
        counts.append(int(page.labels.size()));
    return counts;
}

bool near(double actual, double expected)
{
    return std::abs(actual - expected) <= MmTolerance;
}

} // namespace

class TestComposerGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void labelCorners_data()
    {
        QTest::addColumn<double>("topMm");
        QTest::addColumn<double>("leftMm");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("column");
        QTest::addColumn<QPointF>("cornerMm");
        QTest::newRow("record 1") << 2.0 << 5.0 << 1 << 1 << 1 << QPointF(5.0000, 2.0000);
        QTest::newRow("record 5") << 2.0 << 5.0 << 5 << 1 << 5 << QPointF(165.7999, 2.0000);
        QTest::newRow("record 6") << 2.0 << 5.0 << 6 << 1 << 1 << QPointF(5.0000, 22.9000);
        QTest::newRow("record 7") << 2.0 << 5.0 << 7 << 1 << 2 << QPointF(45.2000, 22.9000);
        QTest::newRow("record 70") << 2.0 << 5.0 << 70 << 1 << 5 << QPointF(165.7999, 273.6998);
        QTest::newRow("top 3.41, record 65")
            << 3.41 << 5.0 << 65 << 1 << 5 << QPointF(165.7999, 254.2098);
        QTest::newRow("top 3.41, record 66")
            << 3.41 << 5.0 << 66 << 2 << 1 << QPointF(5.0000, 3.4100);
        QTest::newRow("top 3.41, record 70")
            << 3.41 << 5.0 << 70 << 2 << 5 << QPointF(165.7999, 3.4100);
        QTest::newRow("top 24.31, record 70")
            << 24.31 << 5.0 << 70 << 2 << 5 << QPointF(165.7999, 45.2100);
        QTest::newRow("left 7, record 70")
            << 2.0 << 7.0 << 70 << 1 << 5 << QPointF(167.7999, 273.6998);
        QTest::newRow("left 12, record 70")
            << 2.0 << 12.0 << 70 << 1 << 5 << QPointF(172.7999, 273.6998);
    }

    void labelCorners()
    {
        QFETCH(double, topMm);
        QFETCH(double, leftMm);
        QFETCH(int, record);
        QFETCH(int, page);
        QFETCH(int, column);
        QFETCH(QPointF, cornerMm);
        const Composition composition = composeEmpty(LabelFixtures::prepared(1, topMm, leftMm));
        const ComposedPage &composed = composition.pages.at(page - 1);
        const auto label =
            std::find_if(composed.labels.cbegin(), composed.labels.cend(),
                         [&](const PlacedLabel &placed) { return placed.record == record; });
        QVERIFY(label != composed.labels.cend());
        QCOMPARE(label->column, column);
        const QPointF mm = millimetresFromPaperCorner(composed, label->position);
        QVERIFY2(
            near(mm.x(), cornerMm.x()) && near(mm.y(), cornerMm.y()),
            qPrintable(QStringLiteral("%1 / %2").arg(mm.x(), 0, 'f', 6).arg(mm.y(), 0, 'f', 6)));
    }

    void lastKind1BoxOnDefaultMargins()
    {
        const Composition composition = composeEmpty(LabelFixtures::prepared(1));
        const ComposedPage &page = composition.pages.constFirst();
        const QRectF box = page.labels.constLast().boxes.constFirst().rect;
        const QPointF topLeft = millimetresFromPaperCorner(page, box.topLeft());
        const QPointF bottomRight = millimetresFromPaperCorner(page, box.bottomRight());
        QVERIFY(near(topLeft.x(), 165.7999));
        QVERIFY(near(bottomRight.x(), 203.0687));
        QVERIFY(near(topLeft.y(), 274.0293));
        QVERIFY(near(bottomRight.y(), 293.6948));
    }

    // Five labels and four gaps always span 199 mm from the left margin;
    // nothing keeps the fifth column on the paper.
    void gridWidthFollowsTheLeftMargin_data()
    {
        QTest::addColumn<double>("leftMm");
        QTest::addColumn<double>("rightEdgeMm");
        QTest::newRow("left 7: inside the right margin") << 7.0 << 205.9999;
        QTest::newRow("left 12: past the paper edge") << 12.0 << 210.9999;
    }

    void gridWidthFollowsTheLeftMargin()
    {
        QFETCH(double, leftMm);
        QFETCH(double, rightEdgeMm);
        const LabelTemplate layout = LabelFixtures::prepared(1, 2, leftMm);
        const Composition composition = composeEmpty(layout);
        QCOMPARE(labelsPerPage(composition), QList<int>{70});
        const ComposedPage &page = composition.pages.constFirst();
        const double right = page.labels.at(4).position.x() + layout.masterData1.columnWidth;
        QVERIFY(near(millimetresFromPaperCorner(page, {right, 0}).x(), rightEdgeMm));
    }

    void rowsPerPage_data()
    {
        QTest::addColumn<double>("topMm");
        QTest::addColumn<int>("records");
        QTest::addColumn<QList<int>>("labels");
        QTest::newRow("top 2") << 2.0 << 70 << QList<int>{70};
        QTest::newRow("top 3.40") << 3.40 << 70 << QList<int>{70};
        QTest::newRow("top 3.41") << 3.41 << 70 << QList<int>{65, 5};
        QTest::newRow("top 24.30") << 24.30 << 70 << QList<int>{65, 5};
        QTest::newRow("top 24.31") << 24.31 << 70 << QList<int>{60, 10};
        QTest::newRow("top 45.20") << 45.20 << 70 << QList<int>{60, 10};
        QTest::newRow("top 45.21") << 45.21 << 70 << QList<int>{55, 15};
        QTest::newRow("top 275: a row a page") << 275.0 << 70 << QList<int>(14, 5);
        QTest::newRow("short last row moved too") << 3.41 << 68 << QList<int>{65, 3};
        QTest::newRow("short last row kept") << 2.0 << 68 << QList<int>{68};
        QTest::newRow("no records: one empty page") << 2.0 << 0 << QList<int>{0};
    }

    void rowsPerPage()
    {
        QFETCH(double, topMm);
        QFETCH(int, records);
        QFETCH(QList<int>, labels);
        const Composition composition = composeEmpty(LabelFixtures::prepared(1, topMm), records);
        QCOMPARE(composition.status, CompositionStatus::Composed);
        QCOMPARE(labelsPerPage(composition), labels);
        for (const ComposedPage &page : composition.pages) {
            QCOMPARE(page.paper.topMarginMm, topMm);
            if (!page.labels.isEmpty())
                QCOMPARE(page.labels.constFirst().position, QPointF(0, 0));
        }
    }

    // A row whose bottom lies on the usable bottom, or less than 0.0001
    // units above it, moves to the next page.
    void rowOnTheUsableBottom_data()
    {
        QTest::addColumn<double>("spareUnits");
        QTest::addColumn<QList<int>>("labels");
        QTest::newRow("exactly on it") << 0.0 << QList<int>{65, 5};
        QTest::newRow("0.00009 above") << 0.00009 << QList<int>{65, 5};
        QTest::newRow("0.00011 above") << 0.00011 << QList<int>{70};
    }

    void rowOnTheUsableBottom()
    {
        QFETCH(double, spareUnits);
        QFETCH(QList<int>, labels);
        LabelTemplate layout = LabelFixtures::prepared(1);
        const double pageHeight = ReportUnits::fromMm(297 - 2 - 1);
        layout.masterData1.height = (pageHeight - spareUnits) / 14;
        QCOMPARE(labelsPerPage(composeEmpty(layout)), labels);
    }

    void marginsWithoutRoomForARow_data()
    {
        QTest::addColumn<double>("topMm");
        QTest::addColumn<double>("bottomMm");
        QTest::newRow("top 275.1") << 275.1 << 1.0;
        QTest::newRow("top and bottom 150") << 150.0 << 150.0;
    }

    void marginsWithoutRoomForARow()
    {
        QFETCH(double, topMm);
        QFETCH(double, bottomMm);
        LabelTemplate layout = LabelFixtures::prepared(1, topMm);
        layout.page1.bottomMarginMm = bottomMm;
        MemoryFeed feed(QList<QStringList>(70));
        const Composition composition = composeLabelPages(layout, feed);
        QCOMPARE(composition.status, CompositionStatus::NoRowFits);
        QVERIFY(composition.pages.isEmpty());
        QVERIFY(feed.calls.isEmpty());
    }
};

QTEST_MAIN(TestComposerGrid)
#include "tst_composergrid.moc"
