#include "prmarowin.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int PrMarowin(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cenhe"));
    QApplication::setApplicationDisplayName(QStringLiteral("岑禾"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("岑禾 v3.2"));
    auto *note = new QLabel(QStringLiteral("岑禾 標籤列印"), &window);
    note->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(note);
    window.resize(1018, 851);
    window.show();
    return app.exec();
}
