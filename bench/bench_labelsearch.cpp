// Finding a name in a folder of 1,000 full page files (250 of each kind,
// 70,000 labels), with full-width input.
#include "sheet/labelkinds.h"
#include "sheet/labelsearch.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int PagesPerKind = 250;

SheetPage::Cells fullPage(int page)
{
    SheetPage::Cells cells;
    for (int i = 0; i < SheetPage::CellCount; ++i)
        cells[i] = {QStringLiteral("陳美玲%1").arg(page * 100 + i),
                    QStringLiteral("民國六十年三月五日吉時"),
                    QStringLiteral("台北市中正區重慶南路一段%1號").arg(i), QString()};
    return cells;
}

struct Folder {
    QTemporaryDir dir;

    bool fill() const
    {
        for (int kind = FirstKind; kind <= LastKind; ++kind) {
            for (int page = 1; page <= PagesPerKind; ++page) {
                const QString name = SheetPage::pageFileName(labelKind(kind)->stemText(), page);
                if (SheetPage::writePage(dir.filePath(name), fullPage(page)))
                    return false;
            }
        }
        return true;
    }
};

void BM_FindInThousandPages(benchmark::State &state)
{
    static const Folder folder;
    static const bool filled = folder.fill();
    if (!filled)
        state.SkipWithError("fixture not written");
    const LabelSearch::ShownPage shown{1, 1, fullPage(1)};
    for (auto _ : state) {
        const LabelSearch::Result result =
            LabelSearch::search(QDir(folder.dir.path()), QStringLiteral("陳美玲１２３０５"), shown);
        if (result.hits.size() != LastKind)
            state.SkipWithError("wrong hit count");
        benchmark::DoNotOptimize(result);
    }
}
// The pages are read on worker threads: count their time too.
BENCHMARK(BM_FindInThousandPages)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
