#include "app/windowprogram.h"
#include "commandline/commandline.h"

int main(int argc, char *argv[])
{
    if (CommandLine::wanted(argc, argv))
        return CommandLine::run(argc, argv);
    return runWindowProgram(argc, argv);
}
