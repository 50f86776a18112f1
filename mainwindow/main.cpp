#include "mainwindow/commandline.h"
#include "mainwindow/prmarowin.h"

int main(int argc, char *argv[])
{
    if (CommandLine::wanted(argc, argv))
        return CommandLine::run(argc, argv);
    return PrMarowin(argc, argv);
}
