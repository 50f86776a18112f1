#include "mainwindow/prmarowin.h"

#include "editing/tfredit.h"
#include "frontend/pictures.h"
#include "frontend/translations.h"
#include "frontend/usermessages.h"
#include "mainwindow/folderopening.h"
#include "mainwindow/startfolder.h"
#include "mainwindow/tfrmarowin.h"
#include "mainwindow/tfrsupport.h"
#include "mainwindow/tfrwelcome.h"
#include "mainwindow/uifonts.h"
#include "sheet/folderlock.h"

#include <QApplication>
#include <QDir>

int PrMarowin(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cenhe"));
    // No display name: Qt would append it to every caption ("岑禾 v3.2 — 岑禾");
    // message boxes carry "岑禾" themselves.
    installUiFonts();
    QApplication::setWindowIcon(Pictures::applicationIcon());
    Translations::installChinese();

    if (const FileResult failure = StartFolder::enter(QApplication::arguments())) {
        UserMessages::showFailure(nullptr, *failure);
        return 1;
    }
    FolderLock lock(QDir::currentPath());
    const FolderAccess access = openDataFolder(lock);
    if (access == FolderAccess::Refused)
        return 1;

    // Created in this order and kept for the whole run.
    TFrMarowin FrMarowin;
    FrMarowin.useFolder(access, lock);
    // Mapped before the other windows are built, so it appears sooner; the
    // first activation, which shows the splash, waits for the event loop.
    FrMarowin.show();
    // Children of the main window, so that closing it ends the program.
    auto *FrWelcome = new TFrWelcome(&FrMarowin);
    auto *FrSupport = new TFrSupport(&FrMarowin);
    auto *FrEdit = new TFrEdit(&FrMarowin);
    FrMarowin.setSplash(FrWelcome);
    FrMarowin.setSupport(FrSupport);
    FrMarowin.setEditor(FrEdit);
    return app.exec();
}
