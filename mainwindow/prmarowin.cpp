#include "prmarowin.h"

#include "tfredit.h"
#include "tfrmarowin.h"
#include "tfrsupport.h"
#include "tfrwelcome.h"
#include "pictures.h"
#include "uifonts.h"

#include <QApplication>

int PrMarowin(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cenhe"));
    QApplication::setApplicationDisplayName(QStringLiteral("岑禾"));
    installUiFonts();

    // Created in this order and kept for the whole run.
    QApplication::setWindowIcon(Pictures::applicationIcon());
    TFrMarowin FrMarowin;
    // Children of the main window, so that closing it ends the program.
    auto *FrWelcome = new TFrWelcome(&FrMarowin);
    auto *FrSupport = new TFrSupport(&FrMarowin);
    auto *FrEdit = new TFrEdit(&FrMarowin);
    FrMarowin.setSplash(FrWelcome);
    FrMarowin.setSupport(FrSupport);
    FrMarowin.setEditor(FrEdit);
    FrMarowin.show();
    return app.exec();
}
