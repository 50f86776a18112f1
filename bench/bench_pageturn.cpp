// One page turn of the main window on full pages: save, load and the grid
// repainted. Holding the page button repeats every 100 ms, so a turn must
// stay far below that.
#include "bench/widgetbenchmain.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void fillPage(MainWindow &window)
{
    for (int n = 1; n <= SheetPage::CellCount; ++n)
        window.grid()->cell(n)->setLines(
            {QStringLiteral("陳美玲%1").arg(n), QStringLiteral("民國六十年三月五日"),
             QStringLiteral("台北市中正區重慶南路一段%1號").arg(n), QString()});
}

void BM_PageTurn(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile sys(QStringLiteral("sys.ini"));
    if (!sys.open(QIODevice::WriteOnly) || sys.write("[info]\r\nMode=2\r\n") < 0)
        state.SkipWithError("cannot write sys.ini");
    sys.close();
    MainWindow window;
    window.show();
    window.startUp();
    fillPage(window);
    window.nextPage();
    fillPage(window);
    bool forward = false;
    for (auto _ : state) {
        if (forward)
            window.nextPage();
        else
            window.previousPage();
        forward = !forward;
        window.repaint();
    }
}
BENCHMARK(BM_PageTurn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
