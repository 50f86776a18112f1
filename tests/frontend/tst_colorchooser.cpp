#include "composition/wincolor.h"
#include "frontend/colorchooser.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

QToolButton *swatchNamed(const ColorChooser &chooser, const QString &name)
{
    for (QToolButton *swatch : chooser.findChildren<QToolButton *>()) {
        if (swatch->toolTip() == name)
            return swatch;
    }
    return nullptr;
}

} // namespace

class TestColorChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsWithNoColour();
    void keepsAnyValueAndShowsIt_data();
    void keepsAnyValueAndShowsIt();
    void clickPicksASwatch_data();
    void clickPicksASwatch();
    void keysPickASwatch_data();
    void keysPickASwatch();
};

void TestColorChooser::startsWithNoColour()
{
    ColorChooser chooser;
    QCOMPARE(chooser.value(), 536870911);
    QCOMPARE(chooser.toolTip(), QStringLiteral("無顏色"));
    QCOMPARE(chooser.sizeHint(), QSize(47, 21));
}

void TestColorChooser::keepsAnyValueAndShowsIt_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("black") << 0 << QStringLiteral("黑色");
    QTest::newRow("red is the low byte") << 0x0000ff << QStringLiteral("紅色");
    QTest::newRow("blue is the third byte") << 0xff0000 << QStringLiteral("藍色");
    QTest::newRow("off the palette") << 0x123456 << QStringLiteral("#563412");
    QTest::newRow("no colour") << 536870911 << QStringLiteral("無顏色");
    QTest::newRow("system colour") << -16777201 << QStringLiteral("無顏色");
    QTest::newRow("int min") << std::numeric_limits<int>::min() << QStringLiteral("無顏色");
    QTest::newRow("int max") << std::numeric_limits<int>::max() << QStringLiteral("無顏色");
}

void TestColorChooser::keepsAnyValueAndShowsIt()
{
    QFETCH(int, value);
    QFETCH(QString, shown);
    ColorChooser chooser;
    QSignalSpy picked(&chooser, &ColorChooser::colorPicked);
    chooser.setValue(value);
    QCOMPARE(chooser.value(), value);
    QCOMPARE(chooser.toolTip(), shown);
    QCOMPARE(WinColor::toColor(value).has_value(), shown != QStringLiteral("無顏色"));
    QCOMPARE(picked.count(), 0);
}

void TestColorChooser::clickPicksASwatch_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<int>("expected");
    QTest::newRow("red from no colour") << 536870911 << QStringLiteral("紅色") << 0x0000ff;
    QTest::newRow("navy") << 0 << QStringLiteral("深藍色") << 0x800000;
    QTest::newRow("white") << 0 << QStringLiteral("白色") << 0xffffff;
    QTest::newRow("the same colour again") << 0x0000ff << QStringLiteral("紅色") << 0x0000ff;
}

void TestColorChooser::clickPicksASwatch()
{
    QFETCH(int, start);
    QFETCH(QString, swatch);
    QFETCH(int, expected);
    ColorChooser chooser;
    chooser.setValue(start);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QSignalSpy picked(&chooser, &ColorChooser::colorPicked);

    QTest::mouseClick(&chooser, Qt::LeftButton);
    QVERIFY(QApplication::activePopupWidget());
    QToolButton *button = swatchNamed(chooser, swatch);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);

    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked.constFirst().constFirst().toInt(), expected);
    QCOMPARE(chooser.value(), expected);
}

void TestColorChooser::keysPickASwatch_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QKeySequence>("opener");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("picks");
    const QKeySequence f4(Qt::Key_F4);
    const QKeySequence altDown(Qt::ALT | Qt::Key_Down);
    const int enter = Qt::Key_Return;
    QTest::newRow("enter keeps the current colour")
        << 0x0000ff << f4 << QList<int>{enter} << 0x0000ff << 1;
    QTest::newRow("right of black")
        << 0 << altDown << QList<int>{Qt::Key_Right, enter} << 0x000080 << 1;
    QTest::newRow("below black") << 0 << f4 << QList<int>{Qt::Key_Down, Qt::Key_Space} << 0x800080
                                 << 1;
    QTest::newRow("no colour starts at the first")
        << 536870911 << f4 << QList<int>{Qt::Key_Down, Qt::Key_Up, enter} << 0 << 1;
    QTest::newRow("escape picks nothing")
        << 0 << altDown << QList<int>{Qt::Key_Right, Qt::Key_Escape} << 0 << 0;
}

void TestColorChooser::keysPickASwatch()
{
    QFETCH(int, start);
    QFETCH(QKeySequence, opener);
    QFETCH(QList<int>, keys);
    QFETCH(int, expected);
    QFETCH(int, picks);
    ColorChooser chooser;
    chooser.setValue(start);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QSignalSpy picked(&chooser, &ColorChooser::colorPicked);

    QTest::keySequence(&chooser, opener);
    QWidget *popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    for (int key : keys)
        QTest::keyClick(popup->focusWidget(), Qt::Key(key));

    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(picked.count(), picks);
    QCOMPARE(chooser.value(), expected);
}

QTEST_MAIN(TestColorChooser)
#include "tst_colorchooser.moc"
