// Test helper: saves two different full pages to one file, in turn, until
// it is killed. Prints "ready" once the first save is on disk. With
// "--once" it saves one page and exits: 0 when saved, 1 (printing the
// reason) when the save failed. With "--turn" (Unix) it turns away from and
// back to the file as the program does (load, save, load) and prints the
// processor time of the first load and of the whole turn in milliseconds,
// the growth of the peak memory in kB, and why the save was refused, if it
// was. With "--read" it reads the page and saves what it read, as a page
// turn without edits does, and prints why each failed, one line each
// ("read" and "saved" when they did not).
#include "sheet/sheetpage.h"

#include <QCoreApplication>
#include <QStringList>

#include <QTextStream>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

SheetPage::Cells pageOf(const QString &mark)
{
    SheetPage::Cells cells;
    for (int i = 0; i < SheetPage::CellCount; ++i)
        cells[i] = {mark + QStringLiteral("王小明%1").arg(i),
                    mark + QStringLiteral("民國六十年三月五日"),
                    mark + QStringLiteral("甲市乙區丙路%1號").arg(i), mark};
    return cells;
}

#ifdef Q_OS_UNIX
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

int measurePageTurn(const QString &path)
{
    const Usage before = usage();
    const SheetPage::PageRead page = SheetPage::readPageReporting(path);
    const Usage loaded = usage();
    const FileResult failure = SheetPage::writePage(path, page.cells);
    SheetPage::readPage(path);
    const Usage after = usage();
    QTextStream(stdout) << (loaded.cpuMs - before.cpuMs) << ' ' << (after.cpuMs - before.cpuMs)
                        << ' ' << (after.peakKb - before.peakKb) << ' '
                        << (failure ? failure->reason : QStringLiteral("saved")) << Qt::endl;
    return 0;
}
#endif

int readAndSave(const QString &path)
{
    const SheetPage::PageRead page = SheetPage::readPageReporting(path);
    const FileResult failure = SheetPage::writePage(path, page.cells);
    QTextStream(stdout) << (page.unreadable ? page.unreadable->reason : QStringLiteral("read"))
                        << '\n'
                        << (failure ? failure->reason : QStringLiteral("saved")) << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (argc > 2 && qstrcmp(argv[2], "--read") == 0)
        return readAndSave(path);
#ifdef Q_OS_UNIX
    if (argc > 2 && qstrcmp(argv[2], "--turn") == 0)
        return measurePageTurn(path);
#endif
    const SheetPage::Cells pages[2] = {pageOf(QStringLiteral("甲")), pageOf(QStringLiteral("乙"))};
    if (argc > 2 && qstrcmp(argv[2], "--once") == 0) {
        const FileResult failure = SheetPage::writePage(path, pages[0]);
        if (failure)
            std::puts(failure->reason.toUtf8().constData());
        return failure ? 1 : 0;
    }
    for (unsigned long round = 0;; ++round) {
        if (SheetPage::writePage(path, pages[round % 2]))
            return 1;
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
