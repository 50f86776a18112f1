// Test helper: takes the folder lock of the folder given, says "locked", and
// holds it until its standard input ends, then ends as the program does
// (releasing the lock), or until it is killed.
#include "files/folderlock.h"

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
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) { }
    return 0;
}
