// Drawing a composed page onto an image at a fixed resolution: glyphs only,
// inside each box's text area, at true distances from the paper corner,
// in the box's colour.
#include "composition/composer.h"
#include "composition/labelfonts.h"
#include "composition/pagedrawing.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr double InchesPerMetre = 1 / 0.0254;

ComposedPage composeFirstPage(const LabelTemplate &layout, const QList<QStringList> &records)
{
    MemoryFeed feed(records);
    return composeLabelPages(layout, feed).pages.constFirst();
}

// Records 1 and 70 hold a name, the others nothing.
QList<QStringList> corners(const QString &name)
{
    QList<QStringList> records(70);
    records.first() = records.last() = QStringList{name};
    return records;
}

QImage render(const ComposedPage &page, int dotsPerInch, QPoint unprintableOffset = {})
{
    QImage image(qRound(210 / 25.4 * dotsPerInch), qRound(297 / 25.4 * dotsPerInch),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerInch * InchesPerMetre));
    image.setDotsPerMeterY(qRound(dotsPerInch * InchesPerMetre));
    image.fill(Qt::white);
    QPainter painter(&image);
    drawComposedPage(painter, page, unprintableOffset);
    return image;
}

// Bounds of every pixel that is not white, within `region`.
QRect inkBounds(const QImage &image, const QRect &region)
{
    QRect bounds;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// The pixel farthest from white: the solid core of a stroke.
QColor strongestInk(const QImage &image, const QRect &region)
{
    QRgb strongest = qRgb(255, 255, 255);
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) + qGreen(pixel) + qBlue(pixel)
                < qRed(strongest) + qGreen(strongest) + qBlue(strongest))
                strongest = pixel;
        }
    }
    return QColor(strongest);
}

} // namespace

class TestPageDrawing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void emptyLabelsDrawNothing()
    {
        const ComposedPage page =
            composeFirstPage(LabelFixtures::prepared(2), QList<QStringList>(70));
        const QImage image = render(page, 96);
        QVERIFY(inkBounds(image, image.rect()).isEmpty());
    }

    // At 96 dpi the text area of record 1's kind 1 box is dots 21 to 158
    // across and 10 to 82 down (margins 5 and 2 mm); record 70's is 629 to
    // 766 and 1037 to 1109. A printer's unprintable offset moves both back.
    void namesCentredInTheirTextAreas_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QRect>("firstArea");
        QTest::addColumn<QRect>("lastArea");
        QTest::newRow("paper corner")
            << QPoint() << QRect(21, 10, 138, 73) << QRect(629, 1037, 138, 73);
        QTest::newRow("unprintable offset")
            << QPoint(10, 20) << QRect(11, -10, 138, 73) << QRect(619, 1017, 138, 73);
    }

    void namesCentredInTheirTextAreas()
    {
        QFETCH(QPoint, offset);
        QFETCH(QRect, firstArea);
        QFETCH(QRect, lastArea);
        const ComposedPage page =
            composeFirstPage(LabelFixtures::prepared(1, 2, 5, 20), corners("林志明"));
        const QImage image = render(page, 96, offset);
        const QRect whole = image.rect();
        for (const QRect &area : {firstArea, lastArea}) {
            const QRect ink = inkBounds(image, area.adjusted(-30, -30, 30, 30) & whole);
            QVERIFY(!ink.isEmpty());
            QVERIFY(area.contains(ink) || !whole.contains(area));
            QVERIFY(std::abs(ink.center().x() - area.center().x()) <= 2);
        }
        QCOMPARE(inkBounds(image, whole), inkBounds(image, firstArea.united(lastArea) & whole));
    }

    // At 36 pt a four-character name breaks into two lines of two, a
    // three-character one into two and one; each line is centred on its own
    // (only unequal lines tell this from centring the block), the block is
    // centred and cut at its edges. The first line stands on dots -4 to 44,
    // the second from 46 on.
    void wrappedLinesAreCentredEach_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lowerMinWidth");
        QTest::addColumn<int>("lowerMaxWidth");
        QTest::newRow("equal lines") << QStringLiteral("歐陽娜娜") << 70 << 100;
        QTest::newRow("unequal lines") << QStringLiteral("歐陽娜") << 30 << 50;
    }

    void wrappedLinesAreCentredEach()
    {
        QFETCH(QString, name);
        QFETCH(int, lowerMinWidth);
        QFETCH(int, lowerMaxWidth);
        const ComposedPage page =
            composeFirstPage(LabelFixtures::prepared(1, 2, 5, 36), corners(name));
        const QImage image = render(page, 96);
        const QRect area(21, 10, 138, 73);
        const QRect upper = inkBounds(image, QRect(0, 0, 200, 45));
        const QRect lower = inkBounds(image, QRect(0, 45, 200, 100));
        QVERIFY(area.contains(upper) && area.contains(lower));
        QCOMPARE(upper.top(), area.top());
        QCOMPARE(lower.bottom(), area.bottom());
        QVERIFY(upper.width() > 70 && upper.width() < 100);
        QVERIFY(lower.width() > lowerMinWidth && lower.width() < lowerMaxWidth);
        for (const QRect &line : {upper, lower}) {
            QVERIFY2(std::abs(line.center().x() - area.center().x()) <= 2,
                     qPrintable(
                         QStringLiteral("line from %1 to %2").arg(line.left()).arg(line.right())));
        }
    }

    // Four lines at 72 pt are far taller than the box: the block is centred
    // on the text area and cut at its edges.
    void tallTextIsClippedToItsArea()
    {
        const ComposedPage page =
            composeFirstPage(LabelFixtures::prepared(1, 2, 5, 72), corners("歐陽娜娜"));
        QCOMPARE(page.labels.constFirst().boxes.constFirst().lines.size(), 4);
        const QImage image = render(page, 96);
        const QRect area(21, 10, 138, 73);
        const QRect ink = inkBounds(image, QRect(0, 0, 200, 200));
        QVERIFY(area.contains(ink));
        QVERIFY(ink.top() <= area.top() + 2);
        QVERIFY(ink.bottom() >= area.bottom() - 2);
    }

    // A size field may hold 0: such text has no height and shows nothing.
    void zeroPointTextDrawsNothing()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        const ComposedPage page =
            composeFirstPage(LabelFixtures::prepared(2, 2, 5, 0), LabelFixtures::kind2Records());
        QCOMPARE(page.labels.constFirst().boxes.constFirst().lines, QStringList{"陳淑芬"});
        const QImage image = render(page, 96);
        QVERIFY(inkBounds(image, image.rect()).isEmpty());
    }

    void colours_data()
    {
        QTest::addColumn<int>("windowsColour");
        QTest::addColumn<QColor>("drawn");
        QTest::newRow("no colour draws black") << 536870911 << QColor(Qt::black);
        QTest::newRow("red in the low byte") << 0x0000ff << QColor(Qt::red);
        QTest::newRow("green") << 0x00ff00 << QColor(Qt::green);
        QTest::newRow("blue in the third byte") << 0xff0000 << QColor(Qt::blue);
    }

    void colours()
    {
        QFETCH(int, windowsColour);
        QFETCH(QColor, drawn);
        LabelTemplate layout = LabelFixtures::prepared(1, 2, 5, 28);
        layout.boxes[0].font.color = windowsColour;
        const QImage image = render(composeFirstPage(layout, corners("黃")), 96);
        QCOMPARE(strongestInk(image, QRect(21, 10, 138, 73)), drawn);
    }
};

QTEST_MAIN(TestPageDrawing)
#include "tst_pagedrawing.moc"
