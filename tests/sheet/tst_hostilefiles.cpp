// Files no program of ours wrote: huge, binary, truncated, special. Each
// reads as what can be read, without a crash or a hang, and reading never
// changes a file.
#include "ini/inidocument.h"
#include "sheet/sheetpage.h"

#include "tests/common/filefixture.h"
#include "tests/common/unprivilegedrun.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace {

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// The shape of a hostile page file: the 70 cells, then sections of about
// 42 bytes (1.2 million in 50 MB) up to `size` bytes.
QByteArray smallSections(qsizetype size)
{
    QByteArray bytes;
    bytes.reserve(size + 64);
    for (int cell = 1; cell <= SheetPage::CellCount; ++cell)
        bytes += "[" + QByteArray::number(cell) + "]\n0=陳" + QByteArray::number(cell) + "\n";
    for (int section = 1; bytes.size() < size; ++section)
        bytes += "[s" + QByteArray::number(section) + "]\n0=" + QByteArray(28, 'v') + "\n";
    bytes.truncate(size);
    return bytes;
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void readsWithoutChangingTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cell1"); // line 0 of cell 1 as read
        QTest::newRow("binary garbage") << randomBytes(1 << 20, 7) << QString();
        QTest::newRow("NUL bytes") << QByteArray("[1]\n0=王") + '\0' + QByteArray("小明\n")
                                   << QStringLiteral("王") + QChar(0) + QStringLiteral("小明");
        QTest::newRow("very long line") << QByteArray(3 << 19, 'x') + "\n[1]\n0=林\n"
                                        << QStringLiteral("林");
        QTest::newRow("10,000 character value") << "[1]\n0=" + QByteArray(10000, 'a') + "\n"
                                                << QString(2047, u'a');
        QTest::newRow("neither utf-8 nor big5")
            << QByteArray("[1]\n0=\xFF\xFE\x80名\n") << QStringLiteral("\uFFFD\uFFFD\uFFFD名");
        const QString utf16Text = QStringLiteral("[1]\n0=王");
        QTest::newRow("truncated utf-16") << QByteArray("\xFF\xFE")
                + QByteArray(reinterpret_cast<const char *>(utf16Text.utf16()),
                             utf16Text.size() * 2)
                + "A" << QStringLiteral("王\uFFFD");
        QTest::newRow("header only") << QByteArray("[") << QString();
        QTest::newRow("empty file") << QByteArray() << QString();
    }

    void readsWithoutChangingTheFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cell1);
        const QString file = path(QStringLiteral("姓名1.ini"));
        writeAll(file, bytes);
        const SheetPage::PageRead page = SheetPage::readPageReporting(file);
        QVERIFY(!page.unreadable);
        QCOMPARE(page.cells[0].value(0), cell1);
        for (const QStringList &cell : page.cells)
            QCOMPARE(cell.size(), SheetPage::StoredLines);
        QVERIFY(readAll(file) == bytes);
    }

    void fiftyMegabytePageFileIsRefusedAndKept()
    {
        const QString file = path(QStringLiteral("地址1.ini"));
        const QByteArray bytes = smallSections(50 << 20);
        writeAll(file, bytes);
        const SheetPage::PageRead page = SheetPage::readPageReporting(file);
        QVERIFY(page.unreadable);
        QVERIFY2(page.unreadable->reason.contains(QStringLiteral("不是頁面檔")),
                 qPrintable(page.unreadable->reason));
        QCOMPARE(page.cells[0], QStringList(4, QString()));
        const FileResult failure = SheetPage::writePage(file, page.cells);
        QVERIFY(failure);
        QVERIFY(failure->reason.contains(QStringLiteral("不是頁面檔")));
        QVERIFY(readAll(file) == bytes);
    }

#ifdef PAGESAVER_PATH
    // A page turn (load, save, load) in a process of its own, so that its
    // processor time and peak memory can be measured.
    void pageTurnStaysWithinBounds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("refused");
        QTest::newRow("1.2 million small sections, 50 MB") << smallSections(50 << 20) << true;
        QTest::newRow("small sections up to the size limit")
            << smallSections(IniDocument::MaxFileSize) << false;
        QTest::newRow("bare section headers up to the size limit")
            << QByteArray("[1]\n").repeated(IniDocument::MaxFileSize / 4) << false;
        QTest::newRow("one line up to the size limit")
            << QByteArray(IniDocument::MaxFileSize, '=') << false;
    }

    void pageTurnStaysWithinBounds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, refused);
        const QString file = path(QStringLiteral("姓名5.ini"));
        writeAll(file, bytes);
        QProcess loader;
        loader.start(QStringLiteral(PAGESAVER_PATH), {file, QStringLiteral("--turn")});
        QVERIFY(loader.waitForFinished(60000));
        const QString output = QString::fromUtf8(loader.readAllStandardOutput()).trimmed();
        const QStringList figures = {output.section(u' ', 0, 0), output.section(u' ', 1, 1),
                                     output.section(u' ', 2, 2), output.section(u' ', 3)};
        const double loadMs = figures[0].toDouble();
        const double peakMb = figures[2].toDouble() / 1024;
        qInfo("load %.0f ms, page turn %s ms, %.1f MB", loadMs, qPrintable(figures[1]), peakMb);
        // A bound for runaway work, not a benchmark; an instrumented build
        // (scripts/sanitize.sh) runs several times slower and says so.
        const int slowdown = std::max(1, qEnvironmentVariableIntValue("CENHE_SLOWDOWN"));
        QVERIFY2(loadMs < 1000 * slowdown, qPrintable(output));
        QVERIFY2(peakMb < 200, qPrintable(output));
        QCOMPARE(figures[3].contains(QStringLiteral("不是頁面檔")), refused);
        if (refused)
            QVERIFY(readAll(file) == bytes);
    }
#endif

    // Our own save never makes a file that reading would then refuse.
    void pageJustUnderTheSizeLimitStaysReadable()
    {
        const QString file = path(QStringLiteral("姓名6.ini"));
        const QByteArray bytes = smallSections(IniDocument::MaxFileSize - 1);
        writeAll(file, bytes);
        const SheetPage::PageRead page = SheetPage::readPageReporting(file);
        QVERIFY(!page.unreadable);
        QVERIFY(!SheetPage::writePage(file, page.cells)); // a page turn without edits
        const SheetPage::PageRead turned = SheetPage::readPageReporting(file);
        QVERIFY2(!turned.unreadable, qPrintable(turned.unreadable->reason));
        QCOMPARE(turned.cells, page.cells);
        QVERIFY(readAll(file).size() < IniDocument::MaxFileSize);

        // Text that would take it past the limit is refused, the file kept.
        SheetPage::Cells edited = page.cells;
        edited[0][1] = QString(IniDocument::MaxValueLength, u'長');
        const QByteArray before = readAll(file);
        const FileResult failure = SheetPage::writePage(file, edited);
        QVERIFY(failure);
        QVERIFY2(failure->reason.contains(QStringLiteral("大於 2 MB")),
                 qPrintable(failure->reason));
        QVERIFY(readAll(file) == before);
        QVERIFY(!SheetPage::readPageReporting(file).unreadable);
    }

    void thousandsOfSections()
    {
        const QString file = path(QStringLiteral("考試1.ini"));
        QByteArray bytes;
        for (int section = 20000; section >= 1; --section)
            bytes +=
                "[" + QByteArray::number(section) + "]\n0=名" + QByteArray::number(section) + "\n";
        writeAll(file, bytes);
        SheetPage::Cells cells = SheetPage::readPage(file);
        QCOMPARE(cells[0][0], QStringLiteral("名1"));
        QVERIFY(!SheetPage::writePage(file, cells));
        QCOMPARE(IniDocument::load(file).value(QStringLiteral("19999"), QStringLiteral("0")),
                 QStringLiteral("名19999"));
    }

    void pageFileThatIsAFolder()
    {
        const QString folder = path(QStringLiteral("座位1.ini"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/inside")));
        const SheetPage::PageRead page = SheetPage::readPageReporting(folder);
        QVERIFY(page.unreadable);
        QCOMPARE(page.cells[0], QStringList(4, QString()));
        const FileResult failure = SheetPage::writePage(folder, page.cells);
        QVERIFY(failure);
        QVERIFY(QFileInfo(folder + QStringLiteral("/inside")).isDir());
    }

    void unreadableFileIsReportedAndKept()
    {
        const QString file = path(QStringLiteral("姓名7.ini"));
        writeAll(file, "[1]\n0=王\n");
        QFile::setPermissions(file, QFile::WriteOwner);
        QFile probe(file);
        const bool readableAnyway =
            probe.open(QIODevice::ReadOnly); // an administrator reads anything
        probe.close();
        if (readableAnyway) {
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
            if (!runsAsRoot())
                QSKIP("this user can read files without read permission");
            QVERIFY(passesAsNobody({QStringLiteral("unreadableFileIsReportedAndKept")}));
            return;
        }
        const SheetPage::PageRead page = SheetPage::readPageReporting(file);
        QVERIFY(page.unreadable);
        QVERIFY(SheetPage::writePage(file, page.cells));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readAll(file), QByteArray("[1]\n0=王\n"));
    }

#ifdef Q_OS_LINUX
    // A name that is no regular file, itself or behind a link: opening it
    // could wait forever (a pipe, /proc/kmsg) or do what a device does, and a
    // save would put a file in its place. It reads as no page file, without
    // being opened, and is never written. The page turn runs in a process
    // of its own, so that one that blocks fails here in seconds.
    void namesThatAreNoFileAreNeitherOpenedNorWritten_data()
    {
        QTest::addColumn<QString>("entry"); // "pipe", "device" or "link"
        QTest::addColumn<QString>("target"); // of a link: empty for a pipe beside it
        QTest::newRow("pipe") << "pipe" << QString();
        QTest::newRow("device node") << "device" << QString();
        QTest::newRow("link to a pipe") << "link" << QString();
        QTest::newRow("link to /dev/null") << "link"
                                           << "/dev/null";
        QTest::newRow("link to a kernel file") << "link"
                                               << "/proc/version";
        QTest::newRow("link to /proc/kmsg") << "link"
                                            << "/proc/kmsg";
    }

    void namesThatAreNoFileAreNeitherOpenedNorWritten()
    {
        QFETCH(QString, entry);
        QFETCH(QString, target);
        const QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("姓名1.ini"));
        const QByteArray name = QFile::encodeName(page);
        QString watched = page; // what is made here, so no one else opens it
        if (entry == u"pipe") {
            QCOMPARE(::mkfifo(name.constData(), 0644), 0);
        } else if (entry == u"device") {
            if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("only an administrator makes device nodes");
        } else {
            if (target.isEmpty()) {
                target = watched = dir.filePath(QStringLiteral("pipe"));
                QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0644), 0);
            } else {
                watched.clear();
                if (!QFileInfo::exists(target))
                    QSKIP("this system has no such file");
            }
            QVERIFY(QFile::link(target, page));
        }
        const auto entryNow = [&] {
            struct stat self {
            }, followed{};
            ::lstat(name.constData(), &self);
            ::stat(name.constData(), &followed);
            return QList<quint64>{self.st_ino, self.st_mode, followed.st_ino, followed.st_mode,
                                  followed.st_rdev};
        };
        const QList<quint64> before = entryNow();
        const int opens = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(opens >= 0);
        if (!watched.isEmpty())
            QVERIFY(::inotify_add_watch(opens, QFile::encodeName(watched).constData(), IN_OPEN)
                    >= 0);

        QProcess turn;
        turn.start(QStringLiteral(PAGESAVER_PATH), {page, QStringLiteral("--read")});
        const bool finished = turn.waitForFinished(10000);
        if (!finished) {
            turn.kill();
            turn.waitForFinished();
        }
        char event[4096];
        const bool opened = ::read(opens, event, sizeof event) > 0;
        ::close(opens);
        QVERIFY2(finished, "reading the page blocked");
        const QStringList said = QString::fromUtf8(turn.readAllStandardOutput()).split(u'\n');
        QVERIFY2(said.value(0).contains(QStringLiteral("不是頁面檔")), qPrintable(said.value(0)));
        QVERIFY2(said.value(1).contains(QStringLiteral("不是頁面檔")), qPrintable(said.value(1)));
        QVERIFY(!opened);
        QCOMPARE(entryNow(), before);
    }
#endif

#ifdef Q_OS_UNIX
    void pipeIsNeverOpened()
    {
        // Opening a pipe for reading would wait for a writer forever.
        const QString pipe = path(QStringLiteral("姓名8.ini"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        const SheetPage::PageRead page = SheetPage::readPageReporting(pipe);
        QVERIFY(page.unreadable);
        QVERIFY(SheetPage::writePage(pipe, page.cells));
    }
#endif
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
