// Opening the data folder: a live copy refuses, a lock nobody here can check
// is the user's choice, and a folder that takes no lock opens read-only.
#include "composition/composedpage.h"
#include "editing/stylepanel.h"
#include "files/folderlock.h"
#include "frontend/previewwindow.h"
#include "frontend/sizespinbox.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/folderopening.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "tests/common/messagelog.h"
#include "tests/common/workdir.h"
#include "tests/mainwindow/dialogentry.h"
#include "tests/mainwindow/smalldisk.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(UserMessages::Answer)
Q_DECLARE_METATYPE(FolderAccess)

namespace {

const QString ReadOnlyText = QStringLiteral("此資料夾無法寫入：可以檢視與列印，但無法存檔");
const QByteArray ForeignLock = "4242\ncenhe\nfront-desk-pc\n";

// Everything in the folder, names and bytes, to show nothing was written.
QMap<QString, QByteArray> folderContents(const WorkDir &dir)
{
    QMap<QString, QByteArray> contents;
    for (const QString &name :
         QDir(dir.path(QString())).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        contents.insert(name, dir.read(name));
    return contents;
}

// Opens the margin dialog as a user does, with the right button on 預覽列印,
// and gives `action` the dialog; false when none opened.
bool onMarginDialog(MainWindow &window, const std::function<void(QWidget *)> &action)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            opened = true;
            action(dialog);
        }
    });
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("btn1")), Qt::RightButton);
    return opened;
}

} // namespace

class TestFolderOpening : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void liveCopyRefuses()
    {
        WorkDir dir;
        MessageLog messages;
        QProcess first;
        first.start(QStringLiteral(LOCKHOLDER_PATH), {dir.path(QString())});
        QVERIFY(first.waitForReadyRead(10000));
        FolderLock lock(dir.path(QString()));
        QCOMPARE(openDataFolder(lock), FolderAccess::Refused);
        first.kill();
        first.waitForFinished();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("另一個岑禾")));
    }

    void unverifiableLockIsTheUsersChoice_data()
    {
        QTest::addColumn<UserMessages::Answer>("answer");
        QTest::addColumn<FolderAccess>("access");
        QTest::newRow("仍要開啟") << UserMessages::Answer::TakeOver << FolderAccess::Writable;
        QTest::newRow("唯讀開啟") << UserMessages::Answer::ReadOnly << FolderAccess::ReadOnly;
        QTest::newRow("取消") << UserMessages::Answer::Cancel << FolderAccess::Refused;
    }

    void unverifiableLockIsTheUsersChoice()
    {
        QFETCH(UserMessages::Answer, answer);
        QFETCH(FolderAccess, access);
        WorkDir dir;
        MessageLog messages;
        messages.answer = answer;
        dir.write(FolderLock::lockFileName(), ForeignLock);
        FolderLock lock(dir.path(QString()));
        QCOMPARE(openDataFolder(lock), access);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].kind, UserMessages::Kind::LockChoice);
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("front-desk-pc")));
        const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid());
        QCOMPARE(dir.read(FolderLock::lockFileName()).startsWith(pid + '\n'),
                 access == FolderAccess::Writable);
    }

    void lockThatCannotBeRemovedOpensReadOnly()
    {
        WorkDir dir;
        MessageLog messages;
        messages.answer = UserMessages::Answer::TakeOver;
        QVERIFY(QDir().mkdir(dir.path(FolderLock::lockFileName())));
        FolderLock lock(dir.path(QString()));
        QCOMPARE(openDataFolder(lock), FolderAccess::ReadOnly);
        QCOMPARE(messages.shown.size(), 2);
        QVERIFY(messages.shown[1].text.contains(ReadOnlyText));
    }

    void readOnlyFolderOpensForViewing()
    {
        WorkDir dir;
        MessageLog messages;
        dir.write(QStringLiteral("姓名2.ini"), "[1]\r\n0=林志明\r\n");
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=1\r\n");
        const auto permissions = QFile::permissions(dir.path(QString()));
        QFile::setPermissions(dir.path(QString()), QFile::ReadOwner | QFile::ExeOwner);
        const QMap<QString, QByteArray> before = folderContents(dir);

        FolderLock lock(dir.path(QString()));
        const FolderAccess access = openDataFolder(lock);
        MainWindow window;
        DialogEntry edit(window);
        if (access == FolderAccess::ReadOnly)
            window.setReadOnly();
        window.show();
        window.startUp();
        window.nextPage(); // viewing needs no save
        const QString second = window.grid()->cell(1)->line(0);
        edit.name(3, QStringLiteral("陳美玲"));
        messages.answer = UserMessages::Answer::No; // stay when the save fails
        window.savePage();
        const QMap<QString, QByteArray> after = folderContents(dir);
        QFile::setPermissions(dir.path(QString()), permissions);

        QCOMPARE(access, FolderAccess::ReadOnly);
        QCOMPARE(second, QStringLiteral("林志明"));
        QCOMPARE(messages.shown.size(), 2);
        QVERIFY(messages.shown[0].text.contains(ReadOnlyText));
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("原因：資料夾是唯讀的")));
        QVERIFY(messages.shown[1].text.startsWith(QStringLiteral("寫入錯誤")));
        QVERIFY(messages.shown[1].text.contains(QStringLiteral("姓名2.ini")));
        QCOMPARE(after, before);
    }

    // Settings changed in a run that writes nothing hold for the run and are
    // never stored: margins, styles, 自動縮小 and the kind.
    void readOnlyRunKeepsItsSettingsToItself_data()
    {
        QTest::addColumn<bool>("folderReadOnly");
        QTest::newRow("唯讀開啟") << false;
        QTest::newRow("folder that cannot be written") << true;
    }

    void readOnlyRunKeepsItsSettingsToItself()
    {
        QFETCH(bool, folderReadOnly);
        WorkDir dir;
        MessageLog messages;
        dir.write(QStringLiteral("sys.ini"),
                  "[info]\r\nMode=2\r\n[標籤]\r\nTOPMARGIN=2\r\nLEFTMARGIN=5\r\n");
        const auto permissions = QFile::permissions(dir.path(QString()));
        if (folderReadOnly) {
            QFile::setPermissions(dir.path(QString()), QFile::ReadOwner | QFile::ExeOwner);
        } else {
            dir.write(FolderLock::lockFileName(), ForeignLock);
            messages.answer = UserMessages::Answer::ReadOnly;
        }
        const QMap<QString, QByteArray> before = folderContents(dir);
        FolderLock lock(dir.path(QString()));
        QCOMPARE(openDataFolder(lock), FolderAccess::ReadOnly);
        messages.answer = UserMessages::Answer::Ok;
        MainWindow window;
        DialogEntry edit(window);
        window.useFolder(FolderAccess::ReadOnly, lock);
        window.show();
        window.startUp();
        edit.name(1, QStringLiteral("林志明"));

        QVERIFY(onMarginDialog(window, [](QWidget *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("TopMarginEd"))
                ->setText(QStringLiteral("3.41"));
            dialog->findChild<QLineEdit *>(QStringLiteral("LeftMarginEd"))
                ->setText(QStringLiteral("6"));
            dialog->findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
        }));
        const QByteArray settingsAfterMargins = dir.read(QStringLiteral("sys.ini"));
        TextStylePanel *name = window.stylePanel(StylePanel::Name);
        const int size = name->size();
        name->sizeField()->stepBy(1);
        QCheckBox *shrink = window.autoShrinkBox();
        QTest::mouseClick(shrink, Qt::LeftButton, {}, QPoint(6, shrink->height() / 2));
        messages.answer = UserMessages::Answer::Yes; // leave the unsaved page
        window.chooseKind(1);
        window.chooseKind(2);
        window.nextPage();

        // Still this run's settings after a kind change and a page turn.
        QCOMPARE(window.kind(), 2);
        QCOMPARE(name->size(), size + 1);
        QVERIFY(shrink->isChecked());
        const std::unique_ptr<PreviewWindow> preview = window.makePreview();
        QVERIFY(preview);
        QCOMPARE(preview->pages().first().paper.topMarginMm, 3.41);
        QCOMPARE(preview->pages().first().paper.leftMarginMm, 6.0);
        QString shownTop;
        QVERIFY(onMarginDialog(window, [&](QWidget *dialog) {
            shownTop = dialog->findChild<QLineEdit *>(QStringLiteral("TopMarginEd"))->text();
            dialog->close();
        }));
        QCOMPARE(shownTop, QStringLiteral("3.41"));
        window.chooseKind(3); // the kind viewed last is not stored either
        const QMap<QString, QByteArray> after = folderContents(dir);
        QFile::setPermissions(dir.path(QString()), permissions);

        QCOMPARE(settingsAfterMargins, before.value(QStringLiteral("sys.ini")));
        QCOMPARE(after, before);
        // The start's message or question, then once that nothing is kept,
        // then the page left unsaved.
        const QStringList texts = messages.texts();
        QCOMPARE(texts.filter(QStringLiteral("不會儲存")).size(), 1);
        QVERIFY2(texts.size() == 4 && texts[1].contains(QStringLiteral("不會儲存")),
                 qPrintable(texts.join(QStringLiteral("\n---\n"))));
    }

    // A writing window finds its lock taken over at its next write, a
    // setting as well as a page: told once, read-only from then on.
    void takeoverFoundAtASettingChange()
    {
        WorkDir dir;
        MessageLog messages;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=1\r\n");
        FolderLock lock(dir.path(QString()));
        QCOMPARE(openDataFolder(lock), FolderAccess::Writable);
        MainWindow window;
        DialogEntry edit(window);
        window.useFolder(FolderAccess::Writable, lock);
        window.show();
        window.startUp();
        QVERIFY(QFile::remove(dir.path(FolderLock::lockFileName())));
        dir.write(FolderLock::lockFileName(), ForeignLock);
        const QMap<QString, QByteArray> before = folderContents(dir);

        TextStylePanel *name = window.stylePanel(StylePanel::Name);
        name->sizeField()->stepBy(1);
        QCOMPARE(messages.shown.size(), 1);
        const QString told = messages.shown[0].text;
        QVERIFY2(told.contains(QStringLiteral("另一個岑禾已接手這個資料夾"))
                     && told.contains(QStringLiteral("sys.ini"))
                     && told.contains(QStringLiteral("front-desk-pc")),
                 qPrintable(told));
        QVERIFY(window.readOnly());
        QVERIFY(window.windowTitle().endsWith(QStringLiteral("（唯讀）")));
        name->sizeField()->stepBy(1); // nothing more to tell
        edit.name(1, QStringLiteral("陳美玲"));
        window.savePage();
        QCOMPARE(messages.shown.size(), 2);
        QVERIFY(messages.shown[1].text.startsWith(QStringLiteral("寫入錯誤")));
        QCOMPARE(window.grid()->cell(1)->line(0), QStringLiteral("陳美玲"));
        QCOMPARE(folderContents(dir), before);
    }

    // The lock cannot be written and the folder looks writable: every save
    // must still leave the folder as it was.
    void fullDiskOpensForViewing()
    {
        SmallDisk disk;
        if (!disk.mounted()) {
            // CI runs as root, where the mount must work: not running is a failure there.
            if (qEnvironmentVariableIsSet("CI"))
                QFAIL("a small file system could not be mounted");
            QSKIP("a small file system cannot be mounted here (needs root)");
        }
        writeAll(QStringLiteral("姓名1.ini"), "[1]\r\n0=林志明\r\n");
        disk.fill();
        MessageLog messages;
        FolderLock lock(QDir::currentPath());
        QCOMPARE(openDataFolder(lock), FolderAccess::ReadOnly);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].text.contains(ReadOnlyText));
        QVERIFY2(messages.shown[0].text.contains(FolderLock::lockFileName()
                                                 + QStringLiteral("\n原因：")),
                 qPrintable(messages.shown[0].text));
        MainWindow window;
        DialogEntry edit(window);
        window.setReadOnly();
        window.startUp();
        QCOMPARE(window.grid()->cell(1)->line(0), QStringLiteral("林志明"));
        window.nextPage();
        window.chooseKind(2);
        QCOMPARE(window.kind(), 2);
        edit.name(1, QStringLiteral("陳美玲"));
        messages.answer = UserMessages::Answer::Yes;
        window.exitProgram(); // 是否存檔? 是, the write message, leave: 是
        QCOMPARE(messages.shown.size(), 4);
        QVERIFY(messages.shown[2].text.startsWith(QStringLiteral("寫入錯誤")));
        QCOMPARE(QDir::current().entryList(QDir::Files),
                 QStringList({QStringLiteral("filler"), QStringLiteral("姓名1.ini")}));
        QCOMPARE(readAll(QStringLiteral("姓名1.ini")), QByteArray("[1]\r\n0=林志明\r\n"));
    }
};

QTEST_MAIN(TestFolderOpening)
#include "tst_folderopening.moc"
