#include "frontend/sizespinbox.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionSpinBox>
#include <QTest>

class TestSizeSpinBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAtTwenty();
    void setValueKeepsToBounds_data();
    void setValueKeepsToBounds();
    void keysStep_data();
    void keysStep();
    void arrowButtonsStepByOne_data();
    void arrowButtonsStepByOne();
    void typingIsIgnored_data();
    void typingIsIgnored();
};

void TestSizeSpinBox::startsAtTwenty()
{
    SizeSpinBox box;
    QCOMPARE(box.value(), 20);
    QCOMPARE(box.text(), QStringLiteral("20"));
}

void TestSizeSpinBox::setValueKeepsToBounds_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 57 << 57;
    QTest::newRow("lower bound") << 0 << 0;
    QTest::newRow("upper bound") << 100 << 100;
    QTest::newRow("above") << 150 << 100;
    QTest::newRow("below") << -5 << 0;
    QTest::newRow("int min") << std::numeric_limits<int>::min() << 0;
    QTest::newRow("int max") << std::numeric_limits<int>::max() << 100;
}

// The style panels rely on the change signal for values set by the
// program too, e.g. while a page loads.
void TestSizeSpinBox::setValueKeepsToBounds()
{
    QFETCH(int, set);
    QFETCH(int, expected);
    SizeSpinBox box;
    QSignalSpy changed(&box, &QSpinBox::valueChanged);
    box.setValue(set);
    QCOMPARE(box.value(), expected);
    QCOMPARE(changed.count(), expected == 20 ? 0 : 1);
    if (!changed.isEmpty())
        QCOMPARE(changed.constFirst().constFirst().toInt(), expected);
}

void TestSizeSpinBox::keysStep_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("up") << 20 << int(Qt::Key_Up) << 21;
    QTest::newRow("down") << 20 << int(Qt::Key_Down) << 19;
    QTest::newRow("page up") << 20 << int(Qt::Key_PageUp) << 30;
    QTest::newRow("page down") << 20 << int(Qt::Key_PageDown) << 10;
    QTest::newRow("page up stops at 100") << 95 << int(Qt::Key_PageUp) << 100;
    QTest::newRow("page down stops at 0") << 5 << int(Qt::Key_PageDown) << 0;
    QTest::newRow("up at 100") << 100 << int(Qt::Key_Up) << 100;
}

void TestSizeSpinBox::keysStep()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    SizeSpinBox box;
    box.setValue(start);
    QSignalSpy changed(&box, &QSpinBox::valueChanged);
    QTest::keyClick(&box, Qt::Key(key));
    QCOMPARE(box.value(), expected);
    QCOMPARE(changed.count(), start == expected ? 0 : 1);
}

void TestSizeSpinBox::arrowButtonsStepByOne_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("expected");
    QTest::newRow("up arrow") << int(QStyle::SC_SpinBoxUp) << 21;
    QTest::newRow("down arrow") << int(QStyle::SC_SpinBoxDown) << 19;
}

void TestSizeSpinBox::arrowButtonsStepByOne()
{
    QFETCH(int, button);
    QFETCH(int, expected);
    SizeSpinBox box;
    box.resize(55, 21);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QStyleOptionSpinBox option;
    option.initFrom(&box);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect arrow =
        box.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SubControl(button), &box);
    QTest::mouseClick(&box, Qt::LeftButton, {}, arrow.center());
    QCOMPARE(box.value(), expected);
}

void TestSizeSpinBox::typingIsIgnored_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("digit") << QStringLiteral("5");
    QTest::newRow("number") << QStringLiteral("75");
    QTest::newRow("letters") << QStringLiteral("ab");
}

void TestSizeSpinBox::typingIsIgnored()
{
    QFETCH(QString, typed);
    SizeSpinBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, typed);
    QTest::keyClick(&box, Qt::Key_Return);
    box.clearFocus();
    QCOMPARE(box.value(), 20);
    QCOMPARE(box.text(), QStringLiteral("20"));
}

QTEST_MAIN(TestSizeSpinBox)
#include "tst_sizespinbox.moc"
