// A page or settings file that cannot be read never keeps the user on a
// page: checked as root (a folder in the file's place) and, for a file
// without read permission, as a user who may not read it.
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "tests/common/messagelog.h"
#include "tests/common/workdir.h"
#include "tests/mainwindow/dialogentry.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QToolButton>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

Q_DECLARE_METATYPE(UserMessages::Answer)

namespace {

bool runsAsRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

const QByteArray StoredPage = "[1]\r\n0=林志明\r\n";

// Puts an unreadable `name` into the folder: a folder in its place, or a
// file with its read bits taken away. False when this user could read it
// all the same (root reads any file).
bool makeUnreadable(const WorkDir &dir, const QString &name, const QString &how)
{
    if (how == QLatin1String("folder"))
        return QDir().mkdir(dir.path(name));
    dir.write(name, StoredPage);
    QFile::setPermissions(dir.path(name), QFile::WriteOwner);
    return !runsAsRoot();
}

void addUnreadableRows()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("folder in its place") << "folder";
    QTest::newRow("no read permission") << "permission";
}

// What the unreadable thing holds afterwards, to show nothing wrote over it.
QByteArray leftAsItWas(const WorkDir &dir, const QString &name, const QString &how)
{
    if (how == QLatin1String("folder"))
        return QFileInfo(dir.path(name)).isDir() ? StoredPage : QByteArray();
    QFile::setPermissions(dir.path(name), QFile::ReadOwner | QFile::WriteOwner);
    return dir.read(name);
}

} // namespace

class TestUnreadablePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unchangedUnreadablePageIsLeftFreely_data() { addUnreadableRows(); }

    void unchangedUnreadablePageIsLeftFreely()
    {
        QFETCH(QString, how);
        WorkDir dir;
        MessageLog messages;
        if (!makeUnreadable(dir, QStringLiteral("姓名2.ini"), how))
            QSKIP("root reads any file; the unprivileged run checks this row");
        MainWindow window;
        window.startUp();
        window.nextPage();
        QCOMPARE(window.page(), 2);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("讀取錯誤")));
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("姓名2.ini")));

        window.nextPage();
        QCOMPARE(window.page(), 3);
        window.previousPage();
        window.previousPage(); // back over it, and on
        QCOMPARE(window.page(), 1);
        window.nextPage();
        window.chooseKind(2);
        QCOMPARE(window.kind(), 2);
        QCOMPARE(messages.shown.size(), 3); // one for each arrival on it
        QCOMPARE(leftAsItWas(dir, QStringLiteral("姓名2.ini"), how), StoredPage);
    }

    void changedUnreadablePageAsksBeforeDiscarding_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<UserMessages::Answer>("answer");
        QTest::addColumn<int>("page");
        QTest::newRow("folder, leave") << "folder" << UserMessages::Answer::Yes << 3;
        QTest::newRow("folder, stay") << "folder" << UserMessages::Answer::No << 2;
        QTest::newRow("permission, leave") << "permission" << UserMessages::Answer::Yes << 3;
        QTest::newRow("permission, stay") << "permission" << UserMessages::Answer::No << 2;
    }

    void changedUnreadablePageAsksBeforeDiscarding()
    {
        QFETCH(QString, how);
        QFETCH(UserMessages::Answer, answer);
        QFETCH(int, page);
        WorkDir dir;
        MessageLog messages;
        if (!makeUnreadable(dir, QStringLiteral("姓名2.ini"), how))
            QSKIP("root reads any file; the unprivileged run checks this row");
        MainWindow window;
        DialogEntry edit(window);
        window.startUp();
        window.nextPage();
        edit.name(4, QStringLiteral("陳美玲"));
        messages.shown.clear();
        messages.answer = answer;
        window.nextPage();

        QCOMPARE(messages.shown.size(), 2);
        QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("寫入錯誤")));
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("姓名2.ini")));
        QCOMPARE(messages.shown[1].kind, UserMessages::Kind::YesNo);
        QVERIFY(messages.shown[1].text.contains(QStringLiteral("變更將會捨棄")));
        QCOMPARE(window.page(), page);
        if (page == 2)
            QCOMPARE(window.grid()->cell(4)->line(0), QStringLiteral("陳美玲"));
        QCOMPARE(leftAsItWas(dir, QStringLiteral("姓名2.ini"), how), StoredPage);
    }

    void exitFromAChangedUnreadablePage()
    {
        WorkDir dir;
        MessageLog messages;
        QVERIFY(makeUnreadable(dir, QStringLiteral("姓名1.ini"), QStringLiteral("folder")));
        MainWindow window;
        DialogEntry edit(window);
        window.show();
        window.startUp();
        edit.name(4, QStringLiteral("陳美玲"));
        messages.answer = UserMessages::Answer::Yes; // 是 to saving, 是 to leaving
        window.exitProgram();
        QVERIFY(!window.isVisible());
        QCOMPARE(messages.shown.size(), 4); // read, 是否存檔?, write, leave?
        QVERIFY(QFileInfo(dir.path(QStringLiteral("姓名1.ini"))).isDir());
    }

    void holdingTheArrowOntoAnUnreadablePage_data() { addUnreadableRows(); }

    void holdingTheArrowOntoAnUnreadablePage()
    {
        QFETCH(QString, how);
        WorkDir dir;
        MessageLog messages;
        if (!makeUnreadable(dir, QStringLiteral("姓名3.ini"), how))
            QSKIP("root reads any file; the unprivileged run checks this row");
        MainWindow window;
        window.show();
        window.startUp();
        auto *btnup = window.findChild<QToolButton *>(QStringLiteral("btnup"));
        QTest::mousePress(btnup, Qt::LeftButton);
        // The read message on page 3 lets the button go, which ends its repeats.
        QTRY_VERIFY_WITH_TIMEOUT(!btnup->isDown(), 10000);
        QTest::mouseRelease(btnup, Qt::LeftButton);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("讀取錯誤")));
        QCOMPARE(window.page(), 3);
    }

    void unreadableSettingsFile_data() { addUnreadableRows(); }

    void unreadableSettingsFile()
    {
        QFETCH(QString, how);
        WorkDir dir;
        MessageLog messages;
        if (!makeUnreadable(dir, QStringLiteral("sys.ini"), how))
            QSKIP("root reads any file; the unprivileged run checks this row");
        MainWindow window;
        DialogEntry edit(window);
        window.show();
        window.startUp();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("sys.ini")));
        QCOMPARE(window.kind(), 1);

        // Pages are saved and turned; the styles that cannot be stored are
        // not told again.
        for (int page = 1; page <= 3; ++page) {
            edit.name(1, QStringLiteral("第%1頁").arg(page));
            window.nextPage();
        }
        QCOMPARE(window.page(), 4);
        QVERIFY(dir.read(QStringLiteral("姓名3.ini")).contains("0=第3頁"));
        window.savePage();
        edit.name(1, QStringLiteral("未存"));
        messages.answer = UserMessages::Answer::Yes;
        window.exitProgram();
        QVERIFY(!window.isVisible());
        QVERIFY(dir.read(QStringLiteral("姓名4.ini")).contains("0=未存"));
        QCOMPARE(messages.shown.size(), 2); // the start, and 是否存檔?
        QCOMPARE(leftAsItWas(dir, QStringLiteral("sys.ini"), how), StoredPage);
    }

    // Root reads a file without read bits, so the permission rows above run
    // again as a user who cannot.
    void asAUserWhoCannotRead()
    {
        if (!runsAsRoot())
            QSKIP("this run is already unprivileged: the rows above ran as this user");
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QStringLiteral("setpriv"),
                    {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                     QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                     QStringLiteral("unchangedUnreadablePageIsLeftFreely"),
                     QStringLiteral("changedUnreadablePageAsksBeforeDiscarding"),
                     QStringLiteral("holdingTheArrowOntoAnUnreadablePage"),
                     QStringLiteral("unreadableSettingsFile")});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
};

QTEST_MAIN(TestUnreadablePage)
#include "tst_unreadablepage.moc"
