// One copy of the program per data folder; a crashed copy blocks nothing, and
// a lock nobody here can check is put to the user.
#include "files/folderlock.h"
#include "tests/common/filefixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Outcome = FolderLock::Outcome;

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
        QCOMPARE(second.tryLock(), Outcome::HeldByLiveCopy);
        QVERIFY(second.liveCopyMessage().contains(QStringLiteral("另一個岑禾")));
        // Older copies of the program read the lock with QLockFile: to them
        // too it is the lock of a live copy.
        QLockFile older(dir.filePath(FolderLock::lockFileName()));
        older.setStaleLockTime(0);
        QVERIFY(!older.tryLock(0));
        qint64 pid = 0;
        QString host;
        QString program;
        QVERIFY(older.getLockInfo(&pid, &host, &program));
        QCOMPARE(pid, first.processId());
        QCOMPARE(host, QSysInfo::machineHostName());
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
        QCOMPARE(next.tryLock(), Outcome::Locked);
    }

    // A copy that took the folder over holds it: the copy it was taken from
    // leaves its lock alone on exit, and a third copy still meets it.
    void takenOverLockStaysWithItsTaker()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(FolderLock::lockFileName());
        QProcess first;
        first.start(QStringLiteral(LOCKHOLDER_PATH), {dir.path()});
        QVERIFY(first.waitForReadyRead(10000));
        // The lock as a copy on another machine sharing the folder would have
        // left it: a file of its own, which no lock of this machine covers.
        QVERIFY(QFile::remove(path));
        writeAll(path, "777\ncenhe\nfarhost\n");
        FolderLock second(dir.path());
        QCOMPARE(second.tryLock(), Outcome::Unverifiable);
        QVERIFY(!second.takeOver());
        const QByteArray taken = readAll(path);

        first.closeWriteChannel(); // the first copy ends as a user closes it
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(readAll(path), taken);
        FolderLock third(dir.path());
        QCOMPARE(third.tryLock(), Outcome::HeldByLiveCopy);
    }

    // Still ours means the file reads as this copy wrote it, every line.
    void lockChangedIsNoLongerOurs_data()
    {
        QTest::addColumn<QByteArray>("replacement"); // null: the file removed
        QTest::newRow("another machine's") << QByteArray("777\ncenhe\nfarhost\n");
        // A copy of the same process id on a machine of the same name.
        QTest::newRow("another token") << QByteArray("token");
        QTest::newRow("emptied") << QByteArray("");
        QTest::newRow("removed") << QByteArray();
    }

    void lockChangedIsNoLongerOurs()
    {
        QFETCH(QByteArray, replacement);
        QTemporaryDir dir;
        const QString path = dir.filePath(FolderLock::lockFileName());
        auto lock = std::make_unique<FolderLock>(dir.path());
        QVERIFY(!lock->isStillOurs()); // nothing held yet
        QCOMPARE(lock->tryLock(), Outcome::Locked);
        QVERIFY(lock->isStillOurs());
        if (replacement == "token") {
            QByteArrayList lines = readAll(path).split('\n');
            QCOMPARE(lines.size(), 7); // QLockFile's five lines, the token, the last line end
            lines[5] = "0f0e0d0c-0b0a-0908-0706-050403020100";
            replacement = lines.join('\n');
        }
        QVERIFY(QFile::remove(path));
        if (!replacement.isNull())
            writeAll(path, replacement);

        QVERIFY(!lock->isStillOurs());
        lock.reset(); // the copy ends
        QCOMPARE(QFile::exists(path), !replacement.isNull());
        QCOMPARE(readAll(path), replacement);
    }

    void otherFoldersAreIndependent()
    {
        QTemporaryDir one;
        QTemporaryDir two;
        FolderLock first(one.path());
        FolderLock second(two.path());
        QCOMPARE(first.tryLock(), Outcome::Locked);
        QCOMPARE(second.tryLock(), Outcome::Locked);
    }

    void lockFileIsVisible()
    {
        QTemporaryDir dir;
        FolderLock lock(dir.path());
        QCOMPARE(lock.tryLock(), Outcome::Locked);
        const QFileInfo file(dir.filePath(FolderLock::lockFileName()));
        QVERIFY(file.exists());
        QVERIFY(!file.isHidden());
    }

    void unverifiableLock_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("holder");
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("another machine")
            << QByteArray("4242\ncenhe\nfront-desk-pc\n") << false << "front-desk-pc" << true;
        QTest::newRow("empty") << QByteArray() << false << "不明" << true;
        QTest::newRow("garbled") << QByteArray("\xff\xfe\x01zz\n\n") << false << "不明" << true;
        // Not even root can read a folder as a lock file, or remove it as one.
        QTest::newRow("folder in its place") << QByteArray() << true << "不明" << false;
    }

    void unverifiableLock()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, folder);
        QFETCH(QString, holder);
        QFETCH(bool, takenOver);
        QTemporaryDir dir;
        const QString path = dir.filePath(FolderLock::lockFileName());
        if (folder)
            QVERIFY(QDir().mkdir(path));
        else
            writeAll(path, contents);

        FolderLock lock(dir.path());
        QCOMPARE(lock.tryLock(), Outcome::Unverifiable);
        QVERIFY2(lock.holder().contains(holder), qPrintable(lock.holder()));
        if (!folder)
            QCOMPARE(readAll(path), contents); // asking touches nothing
        QCOMPARE(!lock.takeOver(), takenOver);
        if (takenOver) {
            QVERIFY(readAll(path).startsWith(QByteArray::number(QCoreApplication::applicationPid())
                                             + '\n'));
            FolderLock next(dir.path());
            QCOMPARE(next.tryLock(), Outcome::HeldByLiveCopy);
        }
    }

    void holderSaysSinceWhen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(FolderLock::lockFileName());
        writeAll(path, "4242\ncenhe\nfront-desk-pc\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2026, 3, 5), QTime(8, 30)),
                                 QFileDevice::FileModificationTime));
        file.close();
        FolderLock lock(dir.path());
        QCOMPARE(lock.tryLock(), Outcome::Unverifiable);
        QVERIFY2(lock.holder().contains(QStringLiteral("2026/03/05 08:30")),
                 qPrintable(lock.holder()));
    }

    void readOnlyFolderCannotBeLocked()
    {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        FolderLock lock(dir.path());
        const Outcome outcome = lock.tryLock();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(outcome, Outcome::CannotLock);
        QVERIFY(lock.whyNotLocked());
        QCOMPARE(lock.whyNotLocked()->path, dir.filePath(FolderLock::lockFileName()));
        QVERIFY(!QFile::exists(dir.filePath(FolderLock::lockFileName())));
    }
};

QTEST_GUILESS_MAIN(TestFolderLock)
#include "tst_folderlock.moc"
