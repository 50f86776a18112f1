#include "frontend/arrowbuttonpair.h"
#include "frontend/autorepeat.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TestArrowButtonPair : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isFortySixByTwentyFive();
    void buttonsRepeatWithPageTiming();
    void clickEmitsItsSide_data();
    void clickEmitsItsSide();
};

void TestArrowButtonPair::isFortySixByTwentyFive()
{
    ArrowButtonPair pair;
    pair.show();
    QCOMPARE(pair.size(), QSize(46, 25));
    QCOMPARE(pair.leftButton()->arrowType(), Qt::LeftArrow);
    QCOMPARE(pair.rightButton()->arrowType(), Qt::RightArrow);
    QVERIFY(pair.leftButton()->geometry().right() < pair.rightButton()->geometry().left());
}

void TestArrowButtonPair::buttonsRepeatWithPageTiming()
{
    ArrowButtonPair pair;
    QPushButton page;
    AutoRepeat::apply(&page);
    for (const QAbstractButton *button : {static_cast<QAbstractButton *>(pair.leftButton()),
                                          static_cast<QAbstractButton *>(pair.rightButton()),
                                          static_cast<QAbstractButton *>(&page)}) {
        QVERIFY(button->autoRepeat());
        QCOMPARE(button->autoRepeatDelay(), 400);
        QCOMPARE(button->autoRepeatInterval(), 100);
    }
}

void TestArrowButtonPair::clickEmitsItsSide_data()
{
    QTest::addColumn<bool>("left");
    QTest::newRow("left arrow") << true;
    QTest::newRow("right arrow") << false;
}

void TestArrowButtonPair::clickEmitsItsSide()
{
    QFETCH(bool, left);
    ArrowButtonPair pair;
    pair.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pair));
    QSignalSpy leftClicks(&pair, &ArrowButtonPair::leftClicked);
    QSignalSpy rightClicks(&pair, &ArrowButtonPair::rightClicked);
    QToolButton *button = left ? pair.leftButton() : pair.rightButton();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(leftClicks.count(), left ? 1 : 0);
    QCOMPARE(rightClicks.count(), left ? 0 : 1);
}

QTEST_MAIN(TestArrowButtonPair)
#include "tst_arrowbuttonpair.moc"
