// Test helper: the main window in the folder given, saving pages under load
// until it is killed. Every save fills all 70 cells with one mark, turns the
// page, and now and then changes the kind (which writes sys.ini).
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    MainWindow window;
    window.startUp();
    for (unsigned round = 1;; ++round) {
        const QString mark = QStringLiteral("甲%1").arg(round);
        for (int n = 1; n <= SheetPage::CellCount; ++n)
            window.grid()->cell(n)->setLines(
                {mark, mark + QStringLiteral("生辰"), mark + QStringLiteral("地址")});
        if (round % 7 == 0)
            window.chooseKind(1);
        else if (round % 7 == 3)
            window.chooseKind(2);
        else if (round % 2)
            window.nextPage();
        else
            window.previousPage();
        if (round == 1) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
