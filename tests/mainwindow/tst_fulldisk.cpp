// A page save on a full disk: one message, the old file kept, the cells kept.
#include "frontend/usermessages.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/memocell.h"
#include "mainwindow/tfrmarowin.h"
#include "tests/common/filefixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A small tmpfs mounted for the test (needs the right to mount).
class SmallDisk
{
public:
    SmallDisk()
    {
        m_mounted =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=256k"), QStringLiteral("tmpfs"), m_dir.path()})
            == 0;
        if (m_mounted)
            QDir::setCurrent(m_dir.path());
    }
    ~SmallDisk()
    {
        QDir::setCurrent(m_previous);
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }

    // Writes until the disk refuses another byte.
    void fill() const
    {
        QFile filler(QStringLiteral("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            qFatal("cannot create the filler");
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) { }
        while (filler.write("x", 1) == 1) { }
    }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageSaveOnAFullDisk()
    {
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a small file system cannot be mounted here");
        QStringList shown;
        UserMessages::setAnswerer([&](const UserMessages::Shown &message) {
            shown.append(message.text);
            return UserMessages::Answer::Ok;
        });
        TFrMarowin window;
        window.FormActivate();
        window.grid()->cell(1)->setLines({QStringLiteral("陳美玲")});
        window.bnSaveClick();
        const QByteArray saved = readAll(QStringLiteral("姓名1.ini"));
        QVERIFY(saved.contains("0=陳美玲"));

        disk.fill();
        for (int n = 1; n <= 70; ++n)
            window.grid()->cell(n)->setLines({QStringLiteral("林志明%1").arg(n), QStringLiteral("民國六十年三月五日")});
        window.btnupClick();
        UserMessages::setAnswerer({});

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
