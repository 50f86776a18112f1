#include "prmarowin.h"

#include "tfredit.h"
#include "tfrmarowin.h"
#include "uifonts.h"

#include <QApplication>

int PrMarowin(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cenhe"));
    QApplication::setApplicationDisplayName(QStringLiteral("岑禾"));
    installUiFonts();

    // Created in this order and kept for the whole run.
    TFrMarowin FrMarowin;
    auto *FrEdit = new TFrEdit(&FrMarowin);
    FrMarowin.setEditor(FrEdit);
    FrMarowin.show();
    return app.exec();
}
