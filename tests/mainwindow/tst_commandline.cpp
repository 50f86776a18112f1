// The program run as a command, with no display: what it writes, and for
// each mistake one line on stderr, its exit code and no file left behind.
#include "sheet/sheetpage.h"
#include "tests/common/filefixture.h"
#include "tests/common/pdfwords.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace {

struct Ran {
    int exitCode = -1;
    QString out;
    QString err;
};

// No X server and no platform chosen: the program must choose its own.
Ran runProgram(const QStringList &arguments, const QString &workingDirectory)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(workingDirectory);
    program.start(QStringLiteral(CENHE_PROGRAM), arguments);
    if (!program.waitForFinished(60000))
        program.kill();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

#ifdef Q_OS_UNIX
// What a name is and holds, without opening anything that is no file:
// kind, inode and device number, and a regular file's bytes.
QString entryAt(const QString &path)
{
    struct stat entry {
    };
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return QStringLiteral("missing");
    const QString named =
        QStringLiteral("%1 %2 %3").arg(entry.st_mode & S_IFMT).arg(entry.st_ino).arg(entry.st_rdev);
    return S_ISREG(entry.st_mode) ? named + QString::fromLatin1(readAll(path).toHex()) : named;
}
#endif

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString data() const { return m_dir.filePath(QStringLiteral("data")); }
    QString pdf() const { return m_dir.filePath(QStringLiteral("out.pdf")); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("data")));
        writeAll(QDir(data()).filePath(QStringLiteral("sys.ini")),
                 "[info]\r\nMode=2\r\n[標籤]\r\nTOPMARGIN=3.41\r\n");
        for (int page : {1, 2, 4}) {
            SheetPage::Cells cells;
            cells[0] = {QStringLiteral("首%1").arg(page)};
            cells[69] = {QStringLiteral("末%1").arg(page)};
            QVERIFY(!SheetPage::writePage(
                QDir(data()).filePath(SheetPage::pageFileName(QStringLiteral("地址"), page)),
                cells));
        }
    }

    void init() { QFile::remove(pdf()); }

    void writesEveryPageWithTextInOrder()
    {
        const QByteArray settingsBefore = readAll(QDir(data()).filePath(QStringLiteral("sys.ini")));
        const Ran ran = runProgram({QStringLiteral("--pdf"), pdf(), data()}, m_dir.path());
        QCOMPARE(ran.err, QString());
        QCOMPARE(ran.exitCode, 0);
        QCOMPARE(ran.out.trimmed(), QStringLiteral("第 1–4 頁，共 6 張，第 3 頁無資料"));
        QCOMPARE(readAll(QDir(data()).filePath(QStringLiteral("sys.ini"))), settingsBefore);
        QCOMPARE(QDir(data()).entryList(QDir::Files).size(),
                 4); // nothing added: no lock, no backup
        const QList<PdfWord> words = pdfWords(pdf());
        if (words.isEmpty())
            QFAIL("pdftotext is missing: scripts/setup.sh installs poppler-utils");
        QStringList order;
        for (const PdfWord &word : words)
            order.append(word.text);
        QCOMPARE(order, QStringList({"首1", "末1", "首2", "末2", "首4", "末4"}));
    }

    void mistakes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString out = QStringLiteral("OUT");
        QTest::newRow("unknown option") << QStringList{"--pdf", out, "--colour"} << 2 << "colour";
        QTest::newRow("kind out of range")
            << QStringList{"--pdf", out, "--kind", "7"} << 2 << "--kind 必須是 1 到 4";
        QTest::newRow("pages backwards")
            << QStringList{"--pdf", out, "--pages", "5-2"} << 2 << "--pages 必須寫成";
        QTest::newRow("page 0") << QStringList{"--pdf", out, "--pages", "0"} << 2
                                << "--pages 必須寫成";
        QTest::newRow("pages from 0")
            << QStringList{"--pdf", out, "--pages", "0-3"} << 2 << "--pages 必須寫成";
        QTest::newRow("one page more than a run takes")
            << QStringList{"--pdf", out, "--pages", "1-10000"} << 2 << "最多 9999 頁";
        QTest::newRow("one page more than a run takes, from page 2")
            << QStringList{"--pdf", out, "--pages", "2-10001"} << 2 << "最多 9999 頁";
        QTest::newRow("neither pdf nor print")
            << QStringList{"--kind", "2"} << 2 << "--pdf OUT.pdf 或 --print";
        QTest::newRow("two folders")
            << QStringList{"--pdf", out, "a", "b"} << 2 << "只能給一個資料夾";
        QTest::newRow("missing folder")
            << QStringList{"--pdf", out, "/nonexistent-folder"} << 1 << "找不到資料夾";
        QTest::newRow("no pages with text")
            << QStringList{"--pdf", out, "--pages", "3"} << 1 << "第 3 頁沒有任何資料";
        QTest::newRow("unwritable out")
            << QStringList{"--pdf", "/nonexistent-folder/x.pdf"} << 1 << "無法寫入";
        QTest::newRow("unknown printer")
            << QStringList{"--print", "--printer", "沒有這台"} << 1 << "沒有這台";
    }

    void mistakes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        arguments.replaceInStrings(QStringLiteral("OUT"), pdf());
        if (!arguments.contains(QStringLiteral("/nonexistent-folder"))
            && !arguments.contains(QStringLiteral("a")))
            arguments.append(data());
        const Ran ran = runProgram(arguments, m_dir.path());
        QCOMPARE(ran.exitCode, exitCode);
        QVERIFY2(ran.err.contains(message), qPrintable(ran.err));
        QCOMPARE(ran.err.count(u'\n'), 1);
        QVERIFY(ran.err.startsWith(QStringLiteral("cenhe: ")));
        QVERIFY(ran.out.isEmpty());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files),
                 QStringList()); // no PDF, no temporary file
    }

    // A run takes as many pages as the window's 可列印頁數 does, and no more.
    void longestSpanOfPages_data()
    {
        QTest::addColumn<QString>("span");
        QTest::addColumn<QString>("summary");
        QTest::newRow("pages 1 to 9999") << "1-9999"
                                         << "第 1–9999 頁，共 6 張";
        QTest::newRow("pages 2 to 10000") << "2-10000"
                                          << "第 2–10000 頁，共 4 張";
    }

    void longestSpanOfPages()
    {
        QFETCH(QString, span);
        QFETCH(QString, summary);
        const Ran ran =
            runProgram({QStringLiteral("--pdf"), pdf(), QStringLiteral("--pages"), span, data()},
                       m_dir.path());
        QCOMPARE(ran.err, QString());
        QCOMPARE(ran.exitCode, 0);
        QVERIFY2(ran.out.startsWith(summary), qPrintable(ran.out));
        QVERIFY(readAll(pdf()).startsWith("%PDF-"));
    }

#ifdef Q_OS_UNIX
    // --pdf writes a new file or replaces a PDF or an empty file; pointed by
    // mistake at anything else it refuses in one line and changes nothing.
    void refusesToWriteOverWhatIsNoPdf_data()
    {
        QTest::addColumn<QString>("target"); // a name in the data folder, or what to make
        QTest::newRow("a page file") << "地址1.ini";
        QTest::newRow("sys.ini") << "sys.ini";
        QTest::newRow("another file") << "another file";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a pipe") << "pipe";
        QTest::newRow("a device node") << "device";
    }

    void refusesToWriteOverWhatIsNoPdf()
    {
        QFETCH(QString, target);
        const QTemporaryDir elsewhere;
        QString path = QDir(data()).filePath(target);
        const QByteArray name = QFile::encodeName(elsewhere.filePath(QStringLiteral("標籤.pdf")));
        if (target == u"another file") {
            path = elsewhere.filePath(QStringLiteral("標籤.pdf"));
            writeAll(path, "名單，還沒印");
        } else if (target == u"folder") {
            path = elsewhere.filePath(QStringLiteral("標籤.pdf"));
            QVERIFY(QDir().mkdir(path));
        } else if (target == u"pipe") {
            path = elsewhere.filePath(QStringLiteral("標籤.pdf"));
            QCOMPARE(::mkfifo(name.constData(), 0644), 0);
        } else if (target == u"device") {
            path = elsewhere.filePath(QStringLiteral("標籤.pdf"));
            if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("only an administrator makes device nodes");
        }
        const QString before = entryAt(path);
        const QStringList dataBefore = QDir(data()).entryList(QDir::AllEntries | QDir::System);
        const QStringList elsewhereBefore =
            QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::System);

        const Ran ran = runProgram({QStringLiteral("--pdf"), path, data()}, m_dir.path());
        QCOMPARE(ran.exitCode, 1);
        QVERIFY2(ran.err.startsWith(QStringLiteral("cenhe: 無法寫入檔案：")), qPrintable(ran.err));
        QVERIFY2(ran.err.contains(QFileInfo(path).fileName()), qPrintable(ran.err));
        QCOMPARE(ran.err.count(u'\n'), 1);
        QVERIFY(ran.out.isEmpty());
        QCOMPARE(entryAt(path), before);
        QCOMPARE(QDir(data()).entryList(QDir::AllEntries | QDir::System), dataBefore);
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::System),
                 elsewhereBefore);
    }
#endif

    void replacesAPdfOrAnEmptyFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("an earlier PDF") << QByteArray("%PDF-1.4\n% an earlier export\n");
        QTest::newRow("an empty file") << QByteArray();
    }

    void replacesAPdfOrAnEmptyFile()
    {
        QFETCH(QByteArray, before);
        writeAll(pdf(), before);
        const Ran ran = runProgram({QStringLiteral("--pdf"), pdf(), data()}, m_dir.path());
        QCOMPARE(ran.err, QString());
        QCOMPARE(ran.exitCode, 0);
        const QByteArray written = readAll(pdf());
        QVERIFY(written.startsWith("%PDF-"));
        QVERIFY(written != before);
    }

    void helpAndVersion()
    {
        const Ran version = runProgram({QStringLiteral("--version")}, m_dir.path());
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith(QStringLiteral("cenhe ")));
        const Ran help = runProgram({QStringLiteral("--help")}, m_dir.path());
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("--test-sheet")));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
