// The run's use of the data folder: a writing run checks its lock before
// every write, and a run that writes nothing keeps sys.ini in memory.
#include "files/folderlock.h"
#include "sheet/datafolder.h"
#include "sheet/sysini.h"
#include "tests/common/filefixture.h"
#include "tests/common/workdir.h"

#include <QTest>

namespace {

const QByteArray StoredSettings = "[info]\r\nMode=2\r\n[標籤]\r\nTOPMARGIN=2\r\n";

// Stores kind `kind` the way a kind change does.
FileResult storeKind(DataFolder &folder, int kind)
{
    IniDocument settings = folder.settings();
    SysIni::setMode(settings, kind);
    return folder.storeSettings(settings);
}

} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writingRunStoresSettings()
    {
        WorkDir dir({{SysIni::fileName(), StoredSettings}});
        FolderLock lock(dir.path(QString()));
        QCOMPARE(lock.tryLock(), FolderLock::Outcome::Locked);
        DataFolder folder;
        folder.checkWritesAgainst(&lock);
        QVERIFY(!folder.refusal(QStringLiteral("姓名1.ini")));
        QVERIFY(!storeKind(folder, 3));
        QVERIFY(dir.read(SysIni::fileName()).contains("Mode=3"));
        QVERIFY(!folder.readOnly());
    }

    void runThatWritesNothing_data()
    {
        QTest::addColumn<bool>("takenOver");
        QTest::addColumn<QString>("reason");
        QTest::newRow("opened read-only") << false << QStringLiteral("資料夾以唯讀方式開啟");
        QTest::newRow("lock taken over") << true << QStringLiteral("另一個岑禾已接手這個資料夾");
    }

    void runThatWritesNothing()
    {
        QFETCH(bool, takenOver);
        QFETCH(QString, reason);
        WorkDir dir({{SysIni::fileName(), StoredSettings}});
        const QString lockPath = dir.path(FolderLock::lockFileName());
        FolderLock lock(dir.path(QString()));
        QCOMPARE(lock.tryLock(), FolderLock::Outcome::Locked);
        const QByteArray ours = dir.read(FolderLock::lockFileName());
        DataFolder folder;
        folder.checkWritesAgainst(&lock);
        if (takenOver) {
            QVERIFY(QFile::remove(lockPath));
            dir.write(FolderLock::lockFileName(), "777\ncenhe\nfarhost\n");
        } else {
            folder.setReadOnly();
        }

        const FileResult refused = folder.refusal(QStringLiteral("姓名1.ini"));
        QVERIFY(refused);
        QCOMPARE(refused->reason, reason);
        QVERIFY(folder.readOnly());
        QCOMPARE(folder.takenOver(), takenOver);
        if (takenOver)
            QVERIFY(folder.lockHolder().contains(QStringLiteral("farhost")));

        // Settings hold for the run, and the file stays as it was.
        QVERIFY(!storeKind(folder, 3));
        QCOMPARE(SysIni::readKind(folder.settings()), std::optional<int>(3));
        QCOMPARE(SysIni::readMargins(folder.settings()).top, QStringLiteral("2"));
        QCOMPARE(dir.read(SysIni::fileName()), StoredSettings);

        // Once taken over, never writing again in this run, whatever the
        // lock file says later.
        dir.write(FolderLock::lockFileName(), ours);
        QVERIFY(folder.refusal(QStringLiteral("姓名1.ini")));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
