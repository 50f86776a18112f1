// A save killed at any moment leaves the page file whole: the old page or
// the new one, never a mixture or a torn file.
#include "sheet/sheetpage.h"

#include "tests/common/filefixture.h"

#include <QDir>

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TestCrashSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedSavesNeverTearThePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("地址1.ini"));
        QRandomGenerator random(20261210);
        constexpr int Rounds = 150;
        QSet<QString> marksSeen;
        for (int round = 0; round < Rounds; ++round) {
            QProcess saver;
            saver.start(QStringLiteral(PAGESAVER_PATH), {path});
            QVERIFY(saver.waitForStarted());
            QVERIFY(saver.waitForReadyRead(10000));
            QThread::usleep(random.bounded(200, 20000));
            saver.kill();
            QVERIFY(saver.waitForFinished());

            const SheetPage::Cells cells = SheetPage::readPage(path);
            const QString mark = cells[0][3];
            QVERIFY2(mark == QStringLiteral("甲") || mark == QStringLiteral("乙"),
                     qPrintable(mark));
            marksSeen.insert(mark);
            for (int i = 0; i < SheetPage::CellCount; ++i) {
                QCOMPARE(cells[i][3], mark);
                QCOMPARE(cells[i][0], mark + QStringLiteral("王小明%1").arg(i));
            }
        }
        // Both pages were on disk at some kill: the saves really ran.
        QCOMPARE(marksSeen.size(), 2);
    }

#ifdef FAILSYNC_PATH
    // A disk that fails to sync (the shim makes fsync and fdatasync fail
    // with EIO): the save must fail and say so, and the old page stays.
    void failedSyncFailsTheSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("姓名1.ini"));
        writeAll(path, "[1]\r\n0=舊\r\n");
        QProcess saver;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAILSYNC_PATH));
        saver.setProcessEnvironment(environment);
        saver.start(QStringLiteral(PAGESAVER_PATH), {path, QStringLiteral("--once")});
        QVERIFY(saver.waitForFinished(30000));
        QCOMPARE(saver.exitStatus(), QProcess::NormalExit);
        QCOMPARE(saver.exitCode(), 1);
        QVERIFY(!saver.readAllStandardOutput().trimmed().isEmpty()); // the reason
        QCOMPARE(readAll(path), QByteArray("[1]\r\n0=舊\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("姓名1.ini")});
    }
#endif
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
