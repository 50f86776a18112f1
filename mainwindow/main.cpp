#include "mainwindow/prmarowin.h"

int main(int argc, char *argv[])
{
    return PrMarowin(argc, argv);
}
