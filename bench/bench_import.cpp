// Importing a list of 5,000 labels as 匯入名單 does after its dialog: the
// CSV read, the rows taken as the dialog maps them, and the fill, which
// writes 72 pages and shows the last. Each run starts in a fresh
// folder so every run writes the same pages.
#include "bench/widgetbenchmain.h"
#include "lists/listfile.h"
#include "mainwindow/listimportdialog.h"
#include "mainwindow/mainwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int ListRows = 5000;

QByteArray listCsv()
{
    QByteArray csv = "姓名,生辰,地址\r\n";
    for (int n = 1; n <= ListRows; ++n)
        csv +=
            QStringLiteral("陳美玲%1,民國六十年三月五日,\"台北市中正區重慶南路一段%1號, 三樓\"\r\n")
                .arg(n)
                .toUtf8();
    return csv;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void BM_Import5000(benchmark::State &state)
{
    const QByteArray csv = listCsv();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        const QString list = dir.filePath(QStringLiteral("名單.csv"));
        if (!writeFile(QStringLiteral("sys.ini"), "[info]\r\nMode=2\r\n") || !writeFile(list, csv))
            state.SkipWithError("cannot write the fixture");
        auto window = std::make_unique<MainWindow>();
        window->startUp();
        state.ResumeTiming();

        const ListRead read = readListFile(list);
        ListImportDialog dialog(window->kind(), read.rows);
        dialog.findChild<QCheckBox *>(QStringLiteral("chkHeader"))->setChecked(true);
        const std::optional<LabelFill::Plan> plan =
            window->fillRows(dialog.chosenRows(), QStringLiteral("匯入"));
        if (!plan || plan->placed.size() != ListRows)
            state.SkipWithError("import did not place every row");

        state.PauseTiming();
        window.reset();
        QDir::setCurrent(QDir::tempPath());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Import5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
