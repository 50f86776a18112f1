// A full page save and load through one document, beside the same 280
// values written and read one call at a time.
#include "ini/iniutil.h"
#include "sheet/sheetpage.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

SheetPage::Cells fullPage()
{
    SheetPage::Cells cells;
    for (int i = 0; i < SheetPage::CellCount; ++i)
        cells[i] = {QStringLiteral("陳美玲%1").arg(i), QStringLiteral("民國六十年三月五日吉時"),
                    QStringLiteral("台北市中正區重慶南路一段%1號").arg(i), QString()};
    return cells;
}

// A full page and the file it is saved to, in a folder of its own.
struct PageFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("地址1.ini"));
    SheetPage::Cells cells = fullPage();

    bool save() const { return !SheetPage::writePage(path, cells); }
};

void BM_PageSaveAndLoad(benchmark::State &state)
{
    const PageFile page;
    for (auto _ : state) {
        if (!page.save())
            state.SkipWithError("save failed");
        benchmark::DoNotOptimize(SheetPage::readPage(page.path));
    }
}
BENCHMARK(BM_PageSaveAndLoad)->Unit(benchmark::kMillisecond);

void BM_PageSave(benchmark::State &state)
{
    const PageFile page;
    for (auto _ : state) {
        if (!page.save())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_PageSave)->Unit(benchmark::kMillisecond);

void BM_PageLoad(benchmark::State &state)
{
    const PageFile page;
    if (!page.save())
        state.SkipWithError("save failed");
    for (auto _ : state)
        benchmark::DoNotOptimize(SheetPage::readPage(page.path));
}
BENCHMARK(BM_PageLoad)->Unit(benchmark::kMillisecond);

void BM_PageSaveOneValueAtATime(benchmark::State &state)
{
    const PageFile page;
    for (auto _ : state) {
        for (int cell = 1; cell <= SheetPage::CellCount; ++cell) {
            for (int line = 0; line < SheetPage::StoredLines; ++line) {
                if (IniUtil::writeString(page.path, QString::number(cell), QString::number(line),
                                         SheetPage::lineOf(page.cells[cell - 1], line)))
                    state.SkipWithError("save failed");
            }
        }
    }
}
BENCHMARK(BM_PageSaveOneValueAtATime)->Unit(benchmark::kMillisecond);

void BM_PageLoadOneValueAtATime(benchmark::State &state)
{
    const PageFile page;
    if (!page.save())
        state.SkipWithError("save failed");
    for (auto _ : state) {
        for (int cell = 1; cell <= SheetPage::CellCount; ++cell) {
            for (int line = 0; line < SheetPage::StoredLines; ++line)
                benchmark::DoNotOptimize(
                    IniUtil::readString(page.path, QString::number(cell), QString::number(line)));
        }
    }
}
BENCHMARK(BM_PageLoadOneValueAtATime)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
