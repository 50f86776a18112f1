// The floor the program's start-up is compared with: a Qt Widgets window of
// the main window's size and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1018, 851);
    window.show();
    return app.exec();
}
