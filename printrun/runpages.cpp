#include "printrun/runpages.h"

#include "printrun/cellsfeed.h"

#include <QDir>

namespace PrintRun {

namespace {

// "3–5、7、9–10": runs of consecutive numbers joined.
QString numberRuns(const QList<int> &numbers)
{
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype end = i;
        while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1)
            ++end;
        parts.append(end == i ? QString::number(numbers[i])
                              : QStringLiteral("%1–%2").arg(numbers[i]).arg(numbers[end]));
        i = end + 1;
    }
    return parts.join(u'、');
}

} // namespace

int lastPageOfRun(int shown, int count)
{
    return shown + std::clamp(count, 1, MaxPagesInRun) - 1;
}

bool hasText(const SheetPage::Cells &cells)
{
    for (const QStringList &cell : cells) {
        for (const QString &line : cell) {
            if (!line.trimmed().isEmpty())
                return true;
        }
    }
    return false;
}

std::optional<RunPages> collectPages(const QString &folder, const QString &stem, int first,
                                     int last, const std::optional<ShownPage> &shown,
                                     const SheetRun::Progress &progress)
{
    RunPages run{first, last, {}, {}, {}};
    const QDir dir(folder);
    for (int number = first; number <= last; ++number) {
        if (shown && shown->number == number) {
            if (first == last || hasText(shown->cells))
                run.pages.append({number, shown->cells});
            else
                run.empty.append(number);
        } else {
            const SheetPage::PageRead read =
                SheetPage::readPageReporting(dir.filePath(SheetPage::pageFileName(stem, number)));
            if (read.unreadable)
                run.unreadable.append({number, read.unreadable->reason});
            else if (hasText(read.cells))
                run.pages.append({number, read.cells});
            else
                run.empty.append(number);
        }
        if (progress && !progress(number - first + 1, last - first + 1))
            return std::nullopt;
    }
    return run;
}

SheetRun::Built composeRun(const LabelTemplate &prepared, const RunPages &pages,
                           const SheetRun::Progress &progress)
{
    QList<SheetRun::ComposePage> composers;
    for (const PageText &page : pages.pages) {
        composers.append([prepared, cells = page.cells] {
            CellsFeed feed(cells);
            return composeLabelPages(prepared, feed);
        });
    }
    return SheetRun::compose(composers, progress);
}

QString pageSpanText(int first, int last)
{
    return first == last ? QStringLiteral("第 %1 頁").arg(first)
                         : QStringLiteral("第 %1–%2 頁").arg(first).arg(last);
}

QString runSummary(const RunPages &pages, int sheetCount)
{
    QStringList parts;
    parts.append(pageSpanText(pages.first, pages.last));
    parts.append(QStringLiteral("共 %1 張").arg(sheetCount));
    if (!pages.empty.isEmpty())
        parts.append(QStringLiteral("第 %1 頁無資料").arg(numberRuns(pages.empty)));
    for (const PageProblem &problem : pages.unreadable)
        parts.append(
            QStringLiteral("第 %1 頁無法讀取（%2）").arg(problem.number).arg(problem.reason));
    return parts.join(QStringLiteral("，"));
}

} // namespace PrintRun
