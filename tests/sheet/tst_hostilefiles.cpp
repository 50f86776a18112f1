// Files no program of ours wrote: huge, binary, truncated, special. Each
// reads as what can be read, without a crash or a hang, and reading never
// changes a file.
#include "sheet/inidocument.h"
#include "sheet/sheetpage.h"

#include "tests/common/filefixture.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
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
        QTest::addColumn<QString>("cell1");  // line 0 of cell 1 as read
        QTest::newRow("binary garbage") << randomBytes(1 << 20, 7) << QString();
        QTest::newRow("NUL bytes") << QByteArray("[1]\n0=王") + '\0' + QByteArray("小明\n")
                                   << QStringLiteral("王") + QChar(0) + QStringLiteral("小明");
        QTest::newRow("very long line") << QByteArray(8 << 20, 'x') + "\n[1]\n0=林\n" << QStringLiteral("林");
        QTest::newRow("10,000 character value") << "[1]\n0=" + QByteArray(10000, 'a') + "\n" << QString(2047, u'a');
        QTest::newRow("neither utf-8 nor big5") << QByteArray("[1]\n0=\xFF\xFE\x80名\n") << QStringLiteral("\uFFFD\uFFFD\uFFFD名");
        const QString utf16Text = QStringLiteral("[1]\n0=王");
        QTest::newRow("truncated utf-16")
            << QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(utf16Text.utf16()), utf16Text.size() * 2) + "A"
            << QStringLiteral("王\uFFFD");
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
        QCOMPARE(page.problem, QString());
        QCOMPARE(page.cells[0].value(0), cell1);
        for (const QStringList &cell : page.cells)
            QCOMPARE(cell.size(), SheetPage::StoredLines);
        QVERIFY(readAll(file) == bytes);
    }

    void fiftyMegabytePageFile()
    {
        const QString file = path(QStringLiteral("地址1.ini"));
        QByteArray bytes;
        bytes.reserve(52 << 20);
        for (int cell = 1; cell <= SheetPage::CellCount; ++cell)
            bytes += "[" + QByteArray::number(cell) + "]\n0=陳" + QByteArray::number(cell) + "\n";
        const QByteArray filler = "[x]\nk=" + QByteArray(1000, 'f') + "\n";
        while (bytes.size() < (50 << 20))
            bytes += filler;
        writeAll(file, bytes);
        SheetPage::Cells cells = SheetPage::readPage(file);
        QCOMPARE(cells[69][0], QStringLiteral("陳70"));
        cells[0][0] = QStringLiteral("林");
        QVERIFY(!SheetPage::writePage(file, cells));
        QCOMPARE(SheetPage::readPage(file)[0][0], QStringLiteral("林"));
        QVERIFY(readAll(file).size() > (50 << 20));  // the rest of the file stays
    }

    void thousandsOfSections()
    {
        const QString file = path(QStringLiteral("考試1.ini"));
        QByteArray bytes;
        for (int section = 20000; section >= 1; --section)
            bytes += "[" + QByteArray::number(section) + "]\n0=名" + QByteArray::number(section) + "\n";
        writeAll(file, bytes);
        SheetPage::Cells cells = SheetPage::readPage(file);
        QCOMPARE(cells[0][0], QStringLiteral("名1"));
        QVERIFY(!SheetPage::writePage(file, cells));
        QCOMPARE(IniDocument::load(file).value(QStringLiteral("19999"), QStringLiteral("0")), QStringLiteral("名19999"));
    }

    void pageFileThatIsAFolder()
    {
        const QString folder = path(QStringLiteral("座位1.ini"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/inside")));
        const SheetPage::PageRead page = SheetPage::readPageReporting(folder);
        QVERIFY(!page.problem.isEmpty());
        QCOMPARE(page.cells[0], QStringList(4, QString()));
        const IniWriteResult failure = SheetPage::writePage(folder, page.cells);
        QVERIFY(failure);
        QVERIFY(QFileInfo(folder + QStringLiteral("/inside")).isDir());
    }

    void unreadableFileIsReportedAndKept()
    {
        const QString file = path(QStringLiteral("姓名7.ini"));
        writeAll(file, "[1]\n0=王\n");
        QFile::setPermissions(file, QFile::WriteOwner);
        QFile probe(file);
        const bool readableAnyway = probe.open(QIODevice::ReadOnly);  // an administrator reads anything
        probe.close();
        if (readableAnyway) {
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
            QSKIP("this user can read files without read permission");
        }
        const SheetPage::PageRead page = SheetPage::readPageReporting(file);
        QVERIFY(!page.problem.isEmpty());
        QVERIFY(SheetPage::writePage(file, page.cells));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readAll(file), QByteArray("[1]\n0=王\n"));
    }

#ifdef Q_OS_UNIX
    void pipeIsNeverOpened()
    {
        // Opening a pipe for reading would wait for a writer forever.
        const QString pipe = path(QStringLiteral("姓名8.ini"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        const SheetPage::PageRead page = SheetPage::readPageReporting(pipe);
        QVERIFY(!page.problem.isEmpty());
        QVERIFY(SheetPage::writePage(pipe, page.cells));
    }
#endif
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
