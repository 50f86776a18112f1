// From a click on the preview button to the preview's first page composed
// and drawn, and the PDF export of a full kind 2 sheet.
#include "composition/labelfonts.h"
#include "composition/pageoutput.h"
#include "frontend/previewwindow.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct FilledWindow {
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

    FilledWindow()
    {
        QDir::setCurrent(dir.path());
        QFile sys(QStringLiteral("sys.ini"));
        if (sys.open(QIODevice::WriteOnly))
            sys.write(
                "[info]\r\nMode=2\r\n[M2font1]\r\nfont=標楷體\r\ncolor=0\r\nsize=8\r\n"
                "[M2font2]\r\nfont=標楷體\r\ncolor=0\r\nsize=8\r\n[M2font3]\r\nfont=標楷體\r\ncolor=0\r\nsize=20\r\n");
        sys.close();
        window = std::make_unique<MainWindow>();
        window->startUp();
        for (int n = 1; n <= SheetPage::CellCount; ++n)
            window->grid()->cell(n)->setLines({QStringLiteral("陳美玲"),
                                               QStringLiteral("民國六十年三月五日"),
                                               QStringLiteral("台北市中正區重慶南路%1號").arg(n)});
    }
};

void BM_ClickToPreview(benchmark::State &state)
{
    FilledWindow filled;
    for (auto _ : state) {
        std::unique_ptr<PreviewWindow> preview = filled.window->makePreview();
        preview->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(preview->pageCount());
    }
}
BENCHMARK(BM_ClickToPreview)->Unit(benchmark::kMillisecond);

void BM_ExportPdf(benchmark::State &state)
{
    FilledWindow filled;
    const std::unique_ptr<PreviewWindow> preview = filled.window->makePreview();
    const QString path = filled.dir.filePath(QStringLiteral("標籤.pdf"));
    for (auto _ : state) {
        if (!writeSheetsPdf(path, preview->pages(), {QStringLiteral("標籤")}).done())
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond);

// The same sheet from the command line: the whole process, from start to
// the PDF written, with no display.
void BM_CommandLinePdf(benchmark::State &state)
{
    FilledWindow filled;
    if (!filled.window->savePage())
        state.SkipWithError("page not saved");
    const QString path = filled.dir.filePath(QStringLiteral("命令.pdf"));
    for (auto _ : state) {
        QProcess program;
        program.start(QStringLiteral(CENHE_PROGRAM),
                      {QStringLiteral("--pdf"), path, filled.dir.path()});
        if (!program.waitForFinished(60000) || program.exitCode() != 0)
            state.SkipWithError("command failed");
    }
}
BENCHMARK(BM_CommandLinePdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LabelFonts::installKaiSubstitution();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
