// A page save on a full disk: one message, the old file kept, the cells kept.
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "tests/common/filefixture.h"
#include "tests/common/messagelog.h"
#include "tests/mainwindow/smalldisk.h"

#include <QFile>
#include <QTest>

class TestFullDisk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageSaveOnAFullDisk()
    {
        SmallDisk disk;
        if (!disk.mounted()) {
            // CI runs as root, where the mount must work: not running is a failure there.
            if (qEnvironmentVariableIsSet("CI"))
                QFAIL("a small file system could not be mounted");
            QSKIP("a small file system cannot be mounted here (needs root)");
        }
        MessageLog messages;
        MainWindow window;
        window.startUp();
        window.grid()->cell(1)->setLines({QStringLiteral("陳美玲")});
        window.savePage();
        const QByteArray saved = readAll(QStringLiteral("姓名1.ini"));
        QVERIFY(saved.contains("0=陳美玲"));

        disk.fill();
        for (int n = 1; n <= 70; ++n)
            window.grid()->cell(n)->setLines(
                {QStringLiteral("林志明%1").arg(n), QStringLiteral("民國六十年三月五日")});
        window.nextPage();

        const QStringList shown = messages.texts();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].startsWith(QStringLiteral("寫入錯誤")));
        QVERIFY(shown[0].contains(QStringLiteral("姓名1.ini")));
        QCOMPARE(window.page(), 1);
        QCOMPARE(window.grid()->cell(70)->line(0), QStringLiteral("林志明70"));
        QCOMPARE(readAll(QStringLiteral("姓名1.ini")), saved);
        QVERIFY(!QFile::exists(QStringLiteral("姓名2.ini")));
    }
};

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
