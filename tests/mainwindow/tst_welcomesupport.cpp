// Splash and support windows.
#include "frontend/desktopopener.h"
#include "frontend/urllabel.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/splashwindow.h"
#include "mainwindow/supportwindow.h"
#include "tests/common/workdir.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

// A temple helper's contacts; the second link has no text of its own.
const QByteArray SupportSection =
    "[支援]\r\n電話=02-2345-6789\r\n連結1=岑禾使用說明\r\n網址1=https://example.org/cenhe\r\n"
    "網址2=https://example.org/faq\r\n";

} // namespace

class TestWelcomeSupport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splashTimerRunsFromCreation()
    {
        SplashWindow splash;
        QVERIFY(splash.timer()->isActive());
        QCOMPARE(splash.timer()->interval(), 5000);
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.size(), QSize(394, 192));
    }

    void splashShowsOnceAndHidesItself()
    {
        WorkDir dir;
        MainWindow window;
        auto *splash = new SplashWindow(&window);
        window.setSplash(splash);
        window.startUp();
        QVERIFY(splash->isVisible());
        splash->timeUp();
        QVERIFY(!splash->isVisible());
        QVERIFY(splash->timer()->isActive()); // later ticks change nothing

        // A later activation of the main window brings nothing back.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        QVERIFY(!splash->isVisible());
        splash->timeUp();
        QVERIFY(!splash->isVisible());
    }

    // A message or dialog that opens while the splash is up would sit
    // behind it, centred like it, where nobody sees it waiting.
    void splashGivesWayToAnyOtherWindow_data()
    {
        QTest::addColumn<bool>("modal");
        QTest::newRow("message box") << true;
        QTest::newRow("dialog without modality") << false;
    }

    void splashGivesWayToAnyOtherWindow()
    {
        QFETCH(bool, modal);
        WorkDir dir;
        MainWindow window;
        auto *splash = new SplashWindow(&window);
        window.setSplash(splash);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.startUp();
        QVERIFY(splash->isVisible());

        QMessageBox other(QMessageBox::Warning, QStringLiteral("岑禾"), QStringLiteral("讀取錯誤"),
                          QMessageBox::Ok, &window);
        if (!modal)
            other.setWindowModality(Qt::NonModal);
        other.show();
        other.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!splash->isVisible(), 1000); // well before its timer
    }

    void links_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<QString>("opened"); // empty: nothing opened
        QTest::newRow("trimmed target")
            << "  https://www.example.com/a.html \t"
            << "www.example.com" << true << "https://www.example.com/a.html";
        QTest::newRow("text when no target")
            << "   "
            << "https://www.example.org/" << true << "https://www.example.org/";
        QTest::newRow("nothing at all") << ""
                                        << "" << true << "";
        QTest::newRow("failure stays unvisited") << "https://www.example.net/"
                                                 << "x" << false << "https://www.example.net/";
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
        QCOMPARE(link.palette().color(QPalette::WindowText),
                 visited ? QColor(0x80, 0x00, 0x80) : before);
    }

    void visitedLinkStaysPurpleAcrossOpenings()
    {
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), SupportSection);
        DesktopOpener::setOpener([](const QString &) { return true; });
        SupportWindow support;
        support.show();
        QCOMPARE(support.links().size(), 2);
        support.links()[0]->open();
        support.hide();
        support.show();
        DesktopOpener::setOpener([](const QString &) { return false; });
        support.links()[0]->open();
        DesktopOpener::setOpener({});
        QVERIFY(support.links()[0]->visited());
        QVERIFY(!support.links()[1]->visited());
        QCOMPARE(support.links()[0]->palette().color(QPalette::WindowText),
                 QColor(0x80, 0x00, 0x80));
    }

    void supportShowsStoredContactsAndHidesEmptyRows_data()
    {
        QTest::addColumn<QByteArray>("sysIni");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        const QStringList always{"lblVersion", "lblFolder"};
        QTest::newRow("no sys.ini")
            << QByteArray() << always
            << QStringList{"lbl4", "lblFax", "lbl5", "lblLink1", "lblLink2"};
        QTest::newRow("phone and two links")
            << SupportSection << always + QStringList{"lbl4", "lblLink1", "lblLink2"}
            << QStringList{"lblFax", "lbl5", "lblLink3"};
    }

    void supportShowsStoredContactsAndHidesEmptyRows()
    {
        QFETCH(QByteArray, sysIni);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        WorkDir dir;
        if (!sysIni.isEmpty())
            dir.write(QStringLiteral("sys.ini"), sysIni);
        SupportWindow support;
        support.show();
        for (const QString &name : shown)
            QVERIFY2(support.findChild<QLabel *>(name)->isVisible(), qPrintable(name));
        for (const QString &name : hidden)
            QVERIFY2(!support.findChild<QLabel *>(name)->isVisible(), qPrintable(name));
        // Nothing made up: no placeholder, no example address.
        for (const QLabel *label : support.findChildren<QLabel *>()) {
            QVERIFY2(!label->text().contains(QStringLiteral("請填入")), qPrintable(label->text()));
            QVERIFY2(!sysIni.isEmpty() || !label->text().contains(QStringLiteral("example")),
                     qPrintable(label->text()));
        }
        QCOMPARE(support.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("岑禾 3.2"));
    }

    void supportOpensTheDataFolderAndStoredLinks()
    {
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), SupportSection);
        QStringList opened;
        DesktopOpener::setOpener([&](const QString &address) {
            opened.append(address);
            return true;
        });
        SupportWindow support;
        support.show();
        QCOMPARE(support.findChild<QLabel *>(QStringLiteral("lbl4"))->text(),
                 QStringLiteral("02-2345-6789"));
        QCOMPARE(support.links()[0]->text(), QStringLiteral("岑禾使用說明"));
        QCOMPARE(support.folderLink()->text(), QDir::toNativeSeparators(QDir::currentPath()));
        QTest::mouseClick(support.folderLink(), Qt::LeftButton);
        QTest::mouseClick(support.links()[0], Qt::LeftButton);
        QTest::mouseClick(support.links()[1], Qt::LeftButton);
        DesktopOpener::setOpener({});
        QCOMPARE(opened,
                 (QStringList{QDir::currentPath(), "https://example.org/cenhe",
                              "https://example.org/faq"}));
    }
};

QTEST_MAIN(TestWelcomeSupport)
#include "tst_welcomesupport.moc"
