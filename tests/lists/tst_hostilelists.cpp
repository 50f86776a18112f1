// List files made to exhaust the reader: each is read in a process of its
// own (tests/lists/listreader), whose peak memory and processor time are
// measured, and must be refused, or read only as far as the limits allow,
// before the work grows with the file.
#include "hostilelists.h"
#include "tests/common/filefixture.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

using HostileLists::MB;

// `rows` lines of `columns` fields, each the same name.
QByteArray csv(int rows, int columns, const QString &text = QStringLiteral("王小明"))
{
    const QByteArray name = text.toUtf8();
    QByteArray line = name;
    for (int column = 1; column < columns; ++column)
        line += ',' + name;
    return (line + "\r\n").repeated(rows);
}

struct Measured {
    double peakMb; // scaled to what it would be without AddressSanitizer

    double cpuMs;
    qsizetype rows;
    qsizetype cells;
    QString problem;
    QString notice;
};

// What a reader that failed or never finished counts as.
Measured failed(const char *why)
{
    qWarning("%s", why);
    return {1e9, 1e9, -1, -1, QString(), QString()};
}

} // namespace

class TestHostileLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boundedWhateverTheFile_data();
    void boundedWhateverTheFile();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();

private:
    Measured readInOwnProcess(const QString &path);

    QTemporaryDir m_dir;
};

void TestHostileLists::boundedWhateverTheFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("sparseSize"); // a file of this size, of no bytes written
    QTest::addColumn<QString>("problem"); // a part of it; empty when the list is read
    QTest::addColumn<qsizetype>("rows");
    QTest::addColumn<qsizetype>("cells");
    QTest::addColumn<QString>("notice"); // a part of it; empty when nothing is left unread
    QTest::addColumn<int>("peakMb");

    QTest::newRow("workbook whose shared strings inflate to 3 GB")
        << "bomb.xlsx" << HostileLists::inflatingWorkbook() << qint64(0) << "xl/sharedStrings.xml"
        << qsizetype(0) << qsizetype(0) << "" << 16;
    QTest::newRow("the same under headers that say 1 MB")
        << "liar.xlsx" << HostileLists::inflatingWorkbook(MB) << qint64(0) << "xl/sharedStrings.xml"
        << qsizetype(0) << qsizetype(0) << "" << 16;
    QTest::newRow("2,000 rows of one cell in column XFD")
        << "xfd.xlsx" << HostileLists::lastColumnWorkbook(2000) << qint64(0) << "64" << qsizetype(0)
        << qsizetype(0) << "" << 16;
    QTest::newRow("100,000 rows of one cell in column XFD")
        << "xfd100k.xlsx" << HostileLists::lastColumnWorkbook(100000) << qint64(0) << "64"
        << qsizetype(0) << qsizetype(0) << "" << 16;
    QTest::newRow("workbook of 1,048,576 rows")
        << "rows.xlsx" << HostileLists::everyRowWorkbook() << qint64(0) << "100,000" << qsizetype(0)
        << qsizetype(0) << "" << 48;
    QTest::newRow("CSV of 100,000 columns")
        << "wide.csv" << HostileLists::wideCsv(100000) << qint64(0) << "" << qsizetype(1)
        << qsizetype(64) << "64" << 16;
    QTest::newRow("CSV of bare CRs up to the size limit")
        << "cr.csv" << HostileLists::bareCrs(20 * MB - 1) << qint64(0) << "沒有" << qsizetype(0)
        << qsizetype(0) << "" << 96;
    QTest::newRow("CSV of 50 MB of bare CRs")
        << "cr50.csv" << HostileLists::bareCrs(50 * MB) << qint64(0) << "20 MB" << qsizetype(0)
        << qsizetype(0) << "" << 8;
    QTest::newRow("CSV of 200 MB") << "big.csv" << QByteArray() << 200 * MB << "20 MB"
                                   << qsizetype(0) << qsizetype(0) << "" << 8;
    QTest::newRow("CSV of 100,001 rows") << "rows.csv" << csv(100001, 1) << qint64(0) << "100,000"
                                         << qsizetype(0) << qsizetype(0) << "" << 48;
    QTest::newRow("CSV of 1,000,001 cells")
        << "cells.csv" << csv(99999, 10) + csv(1, 11) << qint64(0) << "1,000,000" << qsizetype(0)
        << qsizetype(0) << "" << 128;
    QTest::newRow("the largest list read: 100,000 rows of 10 columns in 20 MB")
        << "largest.csv" << csv(100000, 10, QStringLiteral("王小明陳美玲")) << qint64(0) << ""
        << qsizetype(100000) << qsizetype(1000000) << "" << 128;
    const QByteArray inlineCell =
        "<c t=\"inlineStr\"><is><t>" + QStringLiteral("王小明陳美玲").toUtf8() + "</t></is></c>";
    QTest::newRow("the largest workbook read: 100,000 rows of 10 texts")
        << "largest.xlsx"
        << XlsxFixture::workbookBytes(
               XlsxFixture::repeatedSheetRows("<row>" + inlineCell.repeated(10) + "</row>", 100000))
        << qint64(0) << "" << qsizetype(100000) << qsizetype(1000000) << "" << 128;
    QTest::newRow("the same of shared strings")
        << "shared.xlsx"
        << XlsxFixture::workbookBytes(XlsxFixture::repeatedSheetRows(
               "<row>" + QByteArray("<c t=\"s\"><v>1</v></c>").repeated(10) + "</row>", 100000))
        << qint64(0) << "" << qsizetype(100000) << qsizetype(1000000) << "" << 128;
}

void TestHostileLists::boundedWhateverTheFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, sparseSize);
    QFETCH(QString, problem);
    QFETCH(qsizetype, rows);
    QFETCH(qsizetype, cells);
    QFETCH(QString, notice);
    QFETCH(int, peakMb);
    const QString path = m_dir.filePath(name);
    writeAll(path, bytes);
    if (sparseSize > 0)
        QVERIFY(QFile::resize(path, sparseSize));

    const Measured read = readInOwnProcess(path);
    qInfo("%.1f MB, %.0f ms: %s", read.peakMb, read.cpuMs, qPrintable(read.problem));
    QVERIFY2(read.peakMb < peakMb, qPrintable(QString::number(read.peakMb)));
    // A bound on runaway work, not a benchmark: these files took from half a
    // minute to several minutes before the reader had limits, and loaded or
    // instrumented machines (scripts/sanitize.sh says how much slower) are
    // still far inside it.
    const int slowdown = std::max(1, qEnvironmentVariableIntValue("CENHE_SLOWDOWN"));
    QVERIFY2(read.cpuMs < 10000 * slowdown, qPrintable(QString::number(read.cpuMs)));
    if (problem.isEmpty())
        QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
    else
        QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
    QCOMPARE(read.rows, rows);
    QCOMPARE(read.cells, cells);
    if (notice.isEmpty())
        QVERIFY2(read.notice.isEmpty(), qPrintable(read.notice));
    else
        QVERIFY2(read.notice.contains(notice), qPrintable(read.notice));
}

void TestHostileLists::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("a device that never ends") << "/dev/zero";
    // Opening a pipe for reading would wait for a writer forever.
    const QString pipe = m_dir.filePath(QStringLiteral("pipe.csv"));
    if (mkfifo(QFile::encodeName(pipe).constData(), 0600) != 0)
        qFatal("cannot make a pipe");
    QTest::newRow("a pipe") << pipe;
    QTest::newRow("a folder") << m_dir.path();
}

void TestHostileLists::onlyRegularFilesAreRead()
{
    QFETCH(QString, path);
    const Measured read = readInOwnProcess(path);
    QVERIFY2(read.problem.contains(QStringLiteral("不是一般的檔案")), qPrintable(read.problem));
    QVERIFY2(read.peakMb < 8, qPrintable(QString::number(read.peakMb)));
}

Measured TestHostileLists::readInOwnProcess(const QString &path)
{
    QProcess reader;
    // Under AddressSanitizer, freed memory held back to catch its use would
    // count as the read's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS"))
                           + QStringLiteral(":quarantine_size_mb=0"));
    reader.setProcessEnvironment(environment);
    reader.start(QStringLiteral(LISTREADER_PATH), {path});
    const int slowdown = std::max(1, qEnvironmentVariableIntValue("CENHE_SLOWDOWN"));
    if (!reader.waitForFinished(60000 * slowdown)) {
        reader.kill();
        reader.waitForFinished();
        return failed("the reader did not finish");
    }
    const QStringList lines = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n');
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0 || lines.size() < 3)
        return failed(reader.readAllStandardError().constData());
    const QStringList figures = lines[0].split(u' ');
    // The sanitizer's allocator pads every block: up to three times the
    // memory for lists of many small texts.
    const double instrumented = figures.value(4) == u"1" ? 3 : 1;
    return {figures.value(0).toDouble() / 1024 / instrumented,
            figures.value(1).toDouble(),
            figures.value(2).toLongLong(),
            figures.value(3).toLongLong(),
            lines[1],
            lines[2]};
}

QTEST_GUILESS_MAIN(TestHostileLists)
#include "tst_hostilelists.moc"
