// Test helper: saves two different full pages to one file, in turn, until
// it is killed. Prints "ready" once the first save is on disk. With
// "--once" it saves one page and exits: 0 when saved, 1 (printing the
// reason) when the save failed.
#include "sheet/sheetpage.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

SheetPage::Cells pageOf(const QString &mark)
{
    SheetPage::Cells cells;
    for (int i = 0; i < SheetPage::CellCount; ++i)
        cells[i] = {mark + QStringLiteral("王小明%1").arg(i), mark + QStringLiteral("民國六十年三月五日"),
                    mark + QStringLiteral("甲市乙區丙路%1號").arg(i), mark};
    return cells;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const SheetPage::Cells pages[2] = {pageOf(QStringLiteral("甲")), pageOf(QStringLiteral("乙"))};
    if (argc > 2 && qstrcmp(argv[2], "--once") == 0) {
        const IniWriteResult failure = SheetPage::writePage(path, pages[0]);
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
