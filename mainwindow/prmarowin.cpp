#include "prmarowin.h"

#include "tfrmarowin.h"
#include "uifonts.h"

#include <QApplication>

int PrMarowin(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cenhe"));
    QApplication::setApplicationDisplayName(QStringLiteral("岑禾"));
    installUiFonts();

    TFrMarowin FrMarowin;
    FrMarowin.show();
    return app.exec();
}
