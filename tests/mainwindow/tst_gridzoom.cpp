// Zoom arithmetic and page number text, without a window.
#include "mainwindow/gridzoom.h"
#include "mainwindow/pagenumber.h"

#include <QTest>

class TestGridZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columnEdgesAfterZooms_data()
    {
        QTest::addColumn<QList<int>>("numerators");
        QTest::addColumn<QList<int>>("edges");
        QTest::newRow("none") << QList<int>{} << QList<int>{0, 150, 300, 450, 600, 750};
        QTest::newRow("out once") << QList<int>{90} << QList<int>{0, 135, 270, 405, 540, 675};
        QTest::newRow("out twice") << QList<int>{90, 90} << QList<int>{0, 122, 243, 365, 486, 608};
        QTest::newRow("out then in")
            << QList<int>{90, 110} << QList<int>{0, 149, 297, 446, 594, 743};
        QTest::newRow("in once") << QList<int>{110} << QList<int>{0, 165, 330, 495, 660, 825};
    }

    void columnEdgesAfterZooms()
    {
        QFETCH(QList<int>, numerators);
        QFETCH(QList<int>, edges);
        QList<QRect> cells;
        for (int column = 0; column < 5; ++column)
            cells.append(QRect(column * 150, 0, 150, 50));
        for (int numerator : numerators) {
            for (QRect &cell : cells)
                cell = GridZoom::scaleRect(cell, numerator, GridZoom::Denominator);
        }
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(cells[column].left(), edges[column]);
            QCOMPARE(cells[column].left() + cells[column].width(), edges[column + 1]);
        }
    }

    void fontPoints_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("expected");
        QTest::newRow("6 out") << 6 << 90 << 5;
        QTest::newRow("5 in") << 5 << 110 << 6;
        QTest::newRow("never zero") << 1 << 90 << 1;
    }

    void fontPoints()
    {
        QFETCH(int, points);
        QFETCH(int, numerator);
        QFETCH(int, expected);
        QCOMPARE(GridZoom::scaleFontPoints(points, numerator, GridZoom::Denominator), expected);
    }

    void pageNumberText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("page"); // 0: not a page
        QTest::newRow("plain") << "5" << 5;
        QTest::newRow("blanks") << " 12 " << 12;
        QTest::newRow("separators") << "1,234" << 1234;
        QTest::newRow("full-width digits") << "１２" << 12;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("parenthesised") << "(3)" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("fraction") << "2.5" << 0;
        QTest::newRow("too large") << "99999999999" << 0;
    }

    void pageNumberText()
    {
        QFETCH(QString, typed);
        QFETCH(int, page);
        QCOMPARE(PageNumber::parseTyped(typed).value_or(0), page);
    }

    void pageNumberDisplay()
    {
        QCOMPARE(PageNumber::format(1), QStringLiteral("1"));
        QCOMPARE(PageNumber::format(1234), QStringLiteral("1,234"));
        QCOMPARE(PageNumber::format(-5), QStringLiteral("(5)"));
    }
};

QTEST_GUILESS_MAIN(TestGridZoom)
#include "tst_gridzoom.moc"
