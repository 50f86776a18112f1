// Reading a list of 5,000 names with birth data and addresses, as a CSV in
// UTF-8 and in Big5 and as an .xlsx workbook.
#include "lists/listfile.h"
#include "tests/lists/xlsxfixture.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int ListLength = 5000;

QList<ListRow> listRows()
{
    QList<ListRow> rows;
    for (int i = 1; i <= ListLength; ++i)
        rows.append({i,
                     {QStringLiteral("許美玲%1").arg(i), QStringLiteral("民國六十年三月五日吉時"),
                      QStringLiteral("台北市中正區重慶南路一段%1號, 3樓").arg(i)}});
    return rows;
}

QString csvText(const QList<ListRow> &rows)
{
    QString text;
    for (const ListRow &row : rows)
        text += row.fields[0] + u',' + row.fields[1] + QStringLiteral(",\"") + row.fields[2]
            + QStringLiteral("\"\r\n");
    return text;
}

struct ListFiles {
    QTemporaryDir dir;
    QString utf8 = dir.filePath(QStringLiteral("list.csv"));
    QString big5 = dir.filePath(QStringLiteral("big5.csv"));
    QString xlsx = dir.filePath(QStringLiteral("list.xlsx"));

    bool write() const
    {
        const QList<ListRow> rows = listRows();
        const QString text = csvText(rows);
        return writeFile(utf8, text.toUtf8())
            && writeFile(big5, QStringEncoder("CP950").encode(text))
            && XlsxFixture::writeWorkbook(xlsx, rows);
    }

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
};

void readList(benchmark::State &state, QString ListFiles::*which)
{
    const ListFiles files;
    if (!files.write())
        state.SkipWithError("fixture not written");
    for (auto _ : state) {
        const ListRead read = readListFile(files.*which);
        if (read.rows.size() != ListLength)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(read);
    }
}

void BM_ReadCsvUtf8(benchmark::State &state)
{
    readList(state, &ListFiles::utf8);
}
void BM_ReadCsvBig5(benchmark::State &state)
{
    readList(state, &ListFiles::big5);
}
void BM_ReadXlsx(benchmark::State &state)
{
    readList(state, &ListFiles::xlsx);
}
BENCHMARK(BM_ReadCsvUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCsvBig5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadXlsx)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
