// Test helper: takes the folder lock of the folder given, says "locked", and
// waits to be killed.
#include "sheet/folderlock.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    FolderLock lock(QString::fromLocal8Bit(argv[1]));
    if (lock.tryLock() != FolderLock::Outcome::Locked)
        return 1;
    std::puts("locked");
    std::fflush(stdout);
    return app.exec();
}
