// Composing one sheet of 70 labels, drawing it into a 600 dpi PDF, and a
// run of many pages into one PDF.
#include "composition/composer.h"
#include "composition/labelcomposer.h"
#include "composition/labelfonts.h"
#include "composition/pageoutput.h"
#include "printrun/runpages.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

LabelTemplate sheetLayout(int kind)
{
    return kind == 2 ? LabelFixtures::kind2Sheet() : LabelFixtures::prepared(kind);
}

Composition composeSheet(const LabelTemplate &layout, const QList<QStringList> &records)
{
    MemoryFeed feed(records);
    return composeLabelPages(layout, feed);
}

// The feed records its calls as it goes, so this is an upper bound.
void composeSeventyLabels(benchmark::State &state)
{
    const LabelTemplate layout = sheetLayout(int(state.range(0)));
    const QList<QStringList> records = LabelFixtures::kind2Records();
    for (auto _ : state)
        benchmark::DoNotOptimize(composeSheet(layout, records));
}
BENCHMARK(composeSeventyLabels)->ArgName("kind")->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

// What the grid does after a style change: a fresh judge of the styles,
// then every cell on its own.
void judgeSeventyCells(benchmark::State &state)
{
    const LabelTemplate layout = sheetLayout(2);
    const QList<QStringList> records = LabelFixtures::kind2Records();
    for (auto _ : state) {
        const LabelComposer labels(layout);
        int cut = 0;
        for (int record = 1; record <= records.size(); ++record)
            cut += labels.label(record, records[record - 1]).isCut() ? 1 : 0;
        benchmark::DoNotOptimize(cut);
    }
}
BENCHMARK(judgeSeventyCells)->Unit(benchmark::kMicrosecond);

void drawSheetToPdfAt600Dpi(benchmark::State &state)
{
    const QList<ComposedPage> pages =
        composeSheet(sheetLayout(2), LabelFixtures::kind2Records()).pages;
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!writeSheetsPdf(pdf, pages, {}).done())
            state.SkipWithError("PDF not written");
        bytes = pdf.size();
    }
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(drawSheetToPdfAt600Dpi)->Unit(benchmark::kMillisecond);

// A season's run: full kind 2 pages composed and drawn into one 600 dpi PDF
// file, each page composed again as its sheets are drawn. Time per sheet and
// the process's peak resident memory (run each size in its own process to
// compare peaks: --benchmark_filter=pagesToOnePdf/pages:200).

PrintRun::RunPages fullPages(int count)
{
    const QList<QStringList> records = LabelFixtures::kind2Records();
    PrintRun::RunPages run{1, count, {}, {}, {}};
    for (int page = 1; page <= count; ++page) {
        SheetPage::Cells cells;
        for (int cell = 0; cell < SheetPage::CellCount; ++cell)
            cells[cell] = {records[cell][0] + QString::number(page), records[cell][1],
                           records[cell][2]};
        run.pages.append({page, cells});
    }
    return run;
}

// VmHWM of /proc/self/status in megabytes; 0 where there is no such file.
double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression peak(QStringLiteral("VmHWM:\\s*(\\d+) kB"));
    return peak.match(QString::fromLatin1(status.readAll())).captured(1).toDouble() / 1024;
}

void pagesToOnePdf(benchmark::State &state)
{
    const PrintRun::RunPages pages = fullPages(int(state.range(0)));
    const LabelTemplate layout = LabelFixtures::kind2Sheet();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.pdf"));
    int sheets = 0;
    for (auto _ : state) {
        const SheetRun::Built built = PrintRun::composeRun(layout, pages);
        sheets = built.run.sheetCount();
        if (!writeSheetsPdf(path, built.run, {}).done())
            state.SkipWithError("PDF not written");
    }
    state.counters["sheets"] = sheets;
    // Seconds of CPU time per sheet.
    state.counters["per_sheet"] = benchmark::Counter(
        sheets, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["peak_rss_mb"] = peakResidentMb();
    state.counters["pdf_mb"] = double(QFile(path).size()) / (1024 * 1024);
}
BENCHMARK(pagesToOnePdf)
    ->ArgName("pages")
    ->Arg(20)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    LabelFonts::installKaiSubstitution();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
