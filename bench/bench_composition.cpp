// Composing one sheet of 70 labels, and drawing it into a 600 dpi PDF.
#include "composition/composer.h"
#include "tests/composition/labelfixtures.h"
#include "composition/labelfonts.h"
#include "composition/pageoutput.h"
#include "tests/composition/memoryfeed.h"

#include <QBuffer>
#include <QGuiApplication>

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

void drawSheetToPdfAt600Dpi(benchmark::State &state)
{
    const QList<ComposedPage> pages = composeSheet(sheetLayout(2), LabelFixtures::kind2Records()).pages;
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
