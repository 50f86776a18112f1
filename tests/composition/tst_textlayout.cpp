// Text in a box: character height from whole points at 600 dpi, the height
// a stretching box needs, the text area in device dots, word wrap and the
// placement of lines by alignment.
#include "composition/textlayout.h"

#include <QTest>

using namespace TextLayout;

class TestTextLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void characterHeightInUnits_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("units");
        QTest::newRow("8") << 8 << 10.72;
        QTest::newRow("14") << 14 << 18.72;
        QTest::newRow("18") << 18 << 24.0;
        QTest::newRow("20") << 20 << 26.72;
        QTest::newRow("22") << 22 << 29.28;
    }

    void characterHeightInUnits()
    {
        QFETCH(int, points);
        QFETCH(double, units);
        QCOMPARE(characterHeight(points), units);
        QCOMPARE(linePitch(points), units + 2);
    }

    void heightForLines_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("height");
        QTest::newRow("empty") << 0 << 18 << 2.0;
        QTest::newRow("one line at 18") << 1 << 18 << 28.0;
        QTest::newRow("one line at 20") << 1 << 20 << 31.0;
        QTest::newRow("two lines at 14") << 2 << 14 << 43.0;
        QTest::newRow("three lines at 18") << 3 << 18 << 80.0;
    }

    void heightForLines()
    {
        QFETCH(int, lines);
        QFETCH(int, points);
        QFETCH(double, height);
        QCOMPARE(requiredHeight(lines, points), height);
    }

    void textAreaInDots_data()
    {
        QTest::addColumn<QRectF>("box");
        QTest::addColumn<double>("dotsPerUnit");
        QTest::addColumn<QRect>("area");
        const QRectF lowBox(0, 32.23624, 140.85838, 14);
        const QRectF kind1FirstLabel(18.89765, 8.80426714, 140.85838, 74.32622143);
        QTest::newRow("14 units high, 96 dpi: 13 dots") << lowBox << 1.0 << QRect(2, 33, 138, 13);
        QTest::newRow("14 units high, 600 dpi") << lowBox << 6.25 << QRect(12, 207, 857, 77);
        QTest::newRow("kind 1 record 1, 96 dpi")
            << kind1FirstLabel << 1.0 << QRect(21, 10, 138, 73);
        QTest::newRow("kind 1 record 1, 1200 dpi")
            << kind1FirstLabel << 12.5 << QRect(261, 122, 1712, 906);
    }

    void textAreaInDots()
    {
        QFETCH(QRectF, box);
        QFETCH(double, dotsPerUnit);
        QFETCH(QRect, area);
        QCOMPARE(textArea(box, dotsPerUnit, dotsPerUnit), area);
    }

    void wordWrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qreal>>("advances");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QList<qreal>{} << 3.0 << QStringList{};
        QTest::newRow("exact fit") << "ABC" << QList<qreal>{1, 1, 1} << 3.0 << QStringList{"ABC"};
        QTest::newRow("between characters") << "陳歐陽娜娜" << QList<qreal>{1, 1, 1, 1, 1} << 2.0
                                            << QStringList{"陳歐", "陽娜", "娜"};
        QTest::newRow("after the last space that fits")
            << "AB CD EFG" << QList<qreal>{1, 1, 1, 1, 1, 1, 1, 1, 1} << 7.0
            << QStringList{"AB CD", "EFG"};
        QTest::newRow("overflowing space dropped")
            << "AB CD" << QList<qreal>{1, 1, 1, 1, 1} << 2.0 << QStringList{"AB", "CD"};
        QTest::newRow("word longer than a line")
            << "A BCDE" << QList<qreal>{1, 1, 1, 1, 1, 1} << 3.0 << QStringList{"A", "BCD", "E"};
        QTest::newRow("glyph wider than the area")
            << "WW" << QList<qreal>{5, 5} << 3.0 << QStringList{"W", "W"};
        QTest::newRow("pair kept whole") << QStringLiteral("\U0002000BA") << QList<qreal>{2, 0, 1}
                                         << 2.0 << QStringList{QStringLiteral("\U0002000B"), "A"};
    }

    void wordWrap()
    {
        QFETCH(QString, text);
        QFETCH(QList<qreal>, advances);
        QFETCH(qreal, width);
        QFETCH(QStringList, lines);
        QCOMPARE(breakLines(text, advances, width), lines);
    }

    void placementByAlignment_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<qreal>("extent");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        // Area 100 wide from x 10, 50 high from y 20.
        QTest::newRow("centred") << int(Qt::AlignCenter) << 30.0 << 30 << 45;
        QTest::newRow("centred, half to even") << int(Qt::AlignCenter) << 25.0 << 32 << 48;
        QTest::newRow("taller than the area starts above")
            << int(Qt::AlignCenter) << 80.0 << 5 << 20;
        QTest::newRow("wider than the area starts left")
            << int(Qt::AlignCenter) << 120.0 << -15 << 0;
        QTest::newRow("top left") << int(Qt::AlignTop | Qt::AlignLeft) << 30.0 << 20 << 10;
        QTest::newRow("bottom right") << int(Qt::AlignBottom | Qt::AlignRight) << 30.0 << 40 << 80;
    }

    void placementByAlignment()
    {
        QFETCH(int, alignment);
        QFETCH(qreal, extent);
        QFETCH(int, top);
        QFETCH(int, left);
        const QRect area(10, 20, 100, 50);
        QCOMPARE(blockTop(area, extent, Qt::Alignment(alignment)), top);
        QCOMPARE(lineLeft(area, extent, Qt::Alignment(alignment)), left);
    }
};

QTEST_APPLESS_MAIN(TestTextLayout)
#include "tst_textlayout.moc"
