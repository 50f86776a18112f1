// One copy of the program per data folder; a crashed copy blocks nothing.
#include "sheet/folderlock.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestFolderLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefused()
    {
        QTemporaryDir dir;
        QProcess first;
        first.start(QStringLiteral(LOCKHOLDER_PATH), {dir.path()});
        QVERIFY(first.waitForReadyRead(10000));
        FolderLock second(dir.path());
        QVERIFY(!second.tryLock());
        QVERIFY(second.problem().contains(QStringLiteral("另一個岑禾")));
        first.kill();
        first.waitForFinished();
    }

    void crashedCopyLeavesNoBlockingLock()
    {
        QTemporaryDir dir;
        QProcess crashed;
        crashed.start(QStringLiteral(LOCKHOLDER_PATH), {dir.path()});
        QVERIFY(crashed.waitForReadyRead(10000));
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
        QVERIFY(QFile::exists(dir.filePath(FolderLock::lockFileName())));
        FolderLock next(dir.path());
        QVERIFY(next.tryLock());
    }

    void otherFoldersAreIndependent()
    {
        QTemporaryDir one;
        QTemporaryDir two;
        FolderLock first(one.path());
        FolderLock second(two.path());
        QVERIFY(first.tryLock());
        QVERIFY(second.tryLock());
    }
};

QTEST_GUILESS_MAIN(TestFolderLock)
#include "tst_folderlock.moc"
