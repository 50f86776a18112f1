// Two copies of the program on one folder, each a process of its own: once a
// second copy has taken the folder over, the first writes nothing more, and
// the lock stays with the copy that took it.
#include "files/folderlock.h"
#include "tests/common/workdir.h"

#include <QProcess>
#include <QTest>

namespace {

const QString PageFile = QStringLiteral("姓名1.ini");

// One copy of the program, started on the folder and driven through the
// lines of tests/mainwindow/windowcopy.
class Copy
{
public:
    Copy(const WorkDir &dir, const QString &lockAnswer)
    {
        m_process.start(QStringLiteral(WINDOWCOPY_PATH), {dir.path(QString()), lockAnswer});
    }
    ~Copy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // The next line that is no message, the messages before it collected;
    // empty when the copy ended or said nothing for ten seconds.
    QString next()
    {
        for (;;) {
            while (!m_process.canReadLine()) {
                if (!m_process.waitForReadyRead(10000))
                    return QString();
            }
            const QString line = QString::fromUtf8(m_process.readLine()).chopped(1);
            if (!line.startsWith(QLatin1String("message ")))
                return line;
            messages.append(line.mid(8).replace(u'|', u'\n'));
        }
    }

    // Sends one command; returns its answer and keeps the title after it.
    QString send(const QString &command)
    {
        m_process.write((command + u'\n').toUtf8());
        const QString answer = next();
        title = next().mid(6);
        return answer;
    }

    // Closes the window as a user does and waits for the program to end.
    bool end()
    {
        m_process.closeWriteChannel();
        return next() == QLatin1String("closed") && endedWith(0);
    }

    // Ended at the start, after its messages, without opening a window.
    bool refused() { return next().isEmpty() && endedWith(1); }

    QStringList messages;
    QString title;

private:
    bool endedWith(int code)
    {
        const bool ended =
            m_process.state() == QProcess::NotRunning || m_process.waitForFinished(10000);
        return ended && m_process.exitStatus() == QProcess::NormalExit
            && m_process.exitCode() == code;
    }

    QProcess m_process;
};

} // namespace

class TestLockTakeover : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takenOverCopyWritesNothingMore()
    {
        WorkDir dir;
        const QString lockFile = FolderLock::lockFileName();
        Copy first(dir, QStringLiteral("cancel"));
        QCOMPARE(first.next(), QStringLiteral("ready writable"));
        QCOMPARE(first.send(QStringLiteral("save 林志明")), QStringLiteral("saved"));

        // The lock as a copy on another machine sharing the folder would have
        // left it: a file of its own, which no lock of this machine covers.
        QVERIFY(QFile::remove(dir.path(lockFile)));
        dir.write(lockFile, "777\ncenhe\nfarhost\n");
        Copy second(dir, QStringLiteral("takeover"));
        QCOMPARE(second.next(), QStringLiteral("ready writable"));
        QCOMPARE(second.messages.size(), 1);
        QVERIFY(second.messages[0].contains(QStringLiteral("farhost")));
        QCOMPARE(second.send(QStringLiteral("save 陳美玲")), QStringLiteral("saved"));
        const QByteArray page = dir.read(PageFile);
        const QByteArray settings = dir.read(QStringLiteral("sys.ini"));
        QVERIFY(page.contains("陳美玲"));

        // The first copy finds the folder taken: it says so once, saves
        // nothing and goes on read-only.
        QCOMPARE(first.send(QStringLiteral("save 王小明")), QStringLiteral("refused"));
        QCOMPARE(first.messages.size(), 1);
        QVERIFY2(first.messages[0].contains(QStringLiteral("另一個岑禾已接手這個資料夾")),
                 qPrintable(first.messages[0]));
        QVERIFY(first.title.endsWith(QStringLiteral("（唯讀）")));
        QCOMPARE(first.send(QStringLiteral("size")), QStringLiteral("done"));
        QCOMPARE(first.send(QStringLiteral("save 王小明")), QStringLiteral("refused"));
        QCOMPARE(first.messages.size(), 2);
        QVERIFY(first.messages[1].startsWith(QStringLiteral("寫入錯誤")));
        QCOMPARE(dir.read(PageFile), page);
        QCOMPARE(dir.read(QStringLiteral("sys.ini")), settings);

        // Its exit leaves the second copy's lock in place, and a third copy
        // meets that lock.
        const QByteArray lock = dir.read(lockFile);
        QVERIFY(first.end());
        QCOMPARE(dir.read(lockFile), lock);
        Copy third(dir, QStringLiteral("takeover"));
        QVERIFY(third.refused());
        QCOMPARE(third.messages.size(), 1);
        QVERIFY(third.messages[0].contains(QStringLiteral("另一個岑禾")));

        QCOMPARE(second.send(QStringLiteral("save 李四")), QStringLiteral("saved"));
        QVERIFY(second.end());
        QVERIFY(!dir.exists(lockFile));
    }
};

QTEST_GUILESS_MAIN(TestLockTakeover)
#include "tst_locktakeover.moc"
