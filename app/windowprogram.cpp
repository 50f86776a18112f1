#include "app/windowprogram.h"

#include "app/startfolder.h"
#include "editing/labeldialog.h"
#include "files/folderlock.h"
#include "frontend/pictures.h"
#include "frontend/translations.h"
#include "frontend/usermessages.h"
#include "mainwindow/folderopening.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/splashwindow.h"
#include "mainwindow/supportwindow.h"
#include "mainwindow/uifonts.h"

#include <QApplication>
#include <QDir>

int runWindowProgram(int argc, char *argv[])
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
    MainWindow window;
    window.useFolder(access, lock);
    // Mapped before the other windows are built, so it appears sooner; the
    // first activation, which shows the splash, waits for the event loop.
    window.show();
    // Children of the main window, so that closing it ends the program.
    auto *splash = new SplashWindow(&window);
    auto *support = new SupportWindow(&window);
    auto *labelDialog = new LabelDialog(&window);
    window.setSplash(splash);
    window.setSupport(support);
    window.setEditor(labelDialog);
    return app.exec();
}
