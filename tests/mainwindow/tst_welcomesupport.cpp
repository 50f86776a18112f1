// Splash and support windows.
#include "frontend/desktopopener.h"
#include "mainwindow/tfrmarowin.h"
#include "mainwindow/tfrsupport.h"
#include "mainwindow/tfrwelcome.h"
#include "frontend/urllabel.h"
#include "tests/mainwindow/workdir.h"

#include <QTest>
#include <QTimer>

class TestWelcomeSupport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splashTimerRunsFromCreation()
    {
        TFrWelcome splash;
        QVERIFY(splash.timer()->isActive());
        QCOMPARE(splash.timer()->interval(), 5000);
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.size(), QSize(394, 192));
    }

    void splashShowsOnceAndHidesItself()
    {
        WorkDir dir;
        TFrMarowin window;
        auto *splash = new TFrWelcome(&window);
        window.setSplash(splash);
        window.FormActivate();
        QVERIFY(splash->isVisible());
        splash->tmr1Timer();
        QVERIFY(!splash->isVisible());
        QVERIFY(splash->timer()->isActive());  // later ticks change nothing

        // A later activation of the main window brings nothing back.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        QVERIFY(!splash->isVisible());
        splash->tmr1Timer();
        QVERIFY(!splash->isVisible());
    }

    void links_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<QString>("opened");  // empty: nothing opened
        QTest::newRow("trimmed target") << "  https://www.example.com/a.html \t" << "www.example.com" << true
                                        << "https://www.example.com/a.html";
        QTest::newRow("text when no target") << "   " << "https://www.example.org/" << true << "https://www.example.org/";
        QTest::newRow("nothing at all") << "" << "" << true << "";
        QTest::newRow("failure stays unvisited") << "https://www.example.net/" << "x" << false << "https://www.example.net/";
    }

    void links()
    {
        QFETCH(QString, url);
        QFETCH(QString, text);
        QFETCH(bool, succeeds);
        QFETCH(QString, opened);
        QStringList calls;
        DesktopOpener::setOpener([&](const QString &address) {
            calls.append(address);
            return succeeds;
        });
        UrlLabel link(text);
        link.setUrl(url);
        const QColor before = link.palette().color(QPalette::WindowText);
        QTest::mouseClick(&link, Qt::LeftButton);
        DesktopOpener::setOpener({});
        QCOMPARE(calls, opened.isEmpty() ? QStringList() : QStringList{opened});
        const bool visited = succeeds && !opened.isEmpty();
        QCOMPARE(link.visited(), visited);
        QCOMPARE(link.palette().color(QPalette::WindowText), visited ? QColor(0x80, 0x00, 0x80) : before);
    }

    void visitedLinkStaysPurpleAcrossOpenings()
    {
        DesktopOpener::setOpener([](const QString &) { return true; });
        TFrSupport support;
        support.show();
        support.siteLink()->open();
        support.hide();
        support.show();
        DesktopOpener::setOpener([](const QString &) { return false; });
        support.siteLink()->open();
        DesktopOpener::setOpener({});
        QVERIFY(support.siteLink()->visited());
        QVERIFY(!support.productLink()->visited());
        QCOMPARE(support.siteLink()->palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x80));
    }
};

QTEST_MAIN(TestWelcomeSupport)
#include "tst_welcomesupport.moc"
