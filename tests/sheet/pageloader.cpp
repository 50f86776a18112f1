// Test helper: turns away from and back to one page file as the program does
// (load, save, load) and prints the processor time of the first load and of
// the whole turn in milliseconds, the growth of the peak memory in kB, and
// why the save was refused, if it was.
#include "sheet/sheetpage.h"

#include <QCoreApplication>
#include <QTextStream>

#include <sys/resource.h>

namespace {

struct Usage {
    double cpuMs;
    long peakKb;
};

Usage usage()
{
    rusage now{};
    getrusage(RUSAGE_SELF, &now);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return {ms(now.ru_utime) + ms(now.ru_stime), now.ru_maxrss};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const Usage before = usage();
    const SheetPage::PageRead page = SheetPage::readPageReporting(path);
    const Usage loaded = usage();
    const IniWriteResult failure = SheetPage::writePage(path, page.cells);
    SheetPage::readPage(path);
    const Usage after = usage();
    QTextStream(stdout) << (loaded.cpuMs - before.cpuMs) << ' ' << (after.cpuMs - before.cpuMs) << ' ' << (after.peakKb - before.peakKb) << ' '
                        << (failure ? failure->reason : QStringLiteral("saved")) << Qt::endl;
    return 0;
}
