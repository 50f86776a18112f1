// A save killed at any moment leaves the page file whole: the old page or
// the new one, never a mixture or a torn file.
#include "sheet/sheetpage.h"

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
            QVERIFY2(mark == QStringLiteral("甲") || mark == QStringLiteral("乙"), qPrintable(mark));
            marksSeen.insert(mark);
            for (int i = 0; i < SheetPage::CellCount; ++i) {
                QCOMPARE(cells[i][3], mark);
                QCOMPARE(cells[i][0], mark + QStringLiteral("王小明%1").arg(i));
            }
        }
        // Both pages were on disk at some kill: the saves really ran.
        QCOMPARE(marksSeen.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
