// Test helper: the main window in the folder given pastes 400 pages of
// names and the process dies the moment three pages are written, as a
// program killed in the middle of a long fill.
#include "mainwindow/mainwindow.h"
#include "tests/common/progresssteps.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>

#include <cstdlib>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    const ProgressSteps dies([](QProgressDialog *, int done) {
        if (done == 3)
            std::_Exit(9);
    });
    MainWindow window;
    window.show();
    window.startUp();
    QStringList rows;
    for (int n = 1; n <= 400 * SheetPage::CellCount; ++n)
        rows.append(QStringLiteral("名%1").arg(n));
    QGuiApplication::clipboard()->setText(rows.join(u'\n'));
    window.pasteClipboard();
    return 0;
}
