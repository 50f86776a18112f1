#include "sheet/labelsearch.h"

#include "sheet/labelkinds.h"

#include <QtConcurrentMap>

#include <algorithm>

namespace LabelSearch {

namespace {

// ASCII and the unified Han blocks have no compatibility forms, so most
// names need case folding at most.
bool isCompatibilityStable(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x80 || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x4E00 && u <= 0x9FFF);
    });
}

// `needle` is folded already. Text without compatibility forms needs no
// folded copy: a case-insensitive comparison folds as it goes.
bool lineHolds(const QString &line, const QString &needle)
{
    if (isCompatibilityStable(line))
        return line.contains(needle, Qt::CaseInsensitive);
    return folded(line).contains(needle);
}

bool cellHolds(const QStringList &lines, const QString &needle)
{
    return std::any_of(lines.cbegin(), lines.cend(),
                       [&](const QString &line) { return lineHolds(line, needle); });
}

void searchPage(const SheetPage::Cells &cells, int kind, int page, const QString &needle,
                QList<Hit> &hits)
{
    for (int cell = 1; cell <= SheetPage::CellCount; ++cell) {
        const QStringList &lines = cells[cell - 1];
        if (!cellHolds(lines, needle))
            continue;
        QStringList filled = lines;
        filled.removeAll(QString());
        hits.append({kind, page, cell, filled});
    }
}

// One page to search: its file, or the cells on screen.
struct PageJob {
    int kind = 0;
    int page = 0;
    QString path;
    const SheetPage::Cells *shownCells = nullptr;
};

struct PageFound {
    QList<Hit> hits;
    QString unreadableFile;
};

PageFound searchJob(const PageJob &job, const QString &needle)
{
    PageFound found;
    if (job.shownCells) {
        searchPage(*job.shownCells, job.kind, job.page, needle, found.hits);
        return found;
    }
    const SheetPage::PageRead read = SheetPage::readPageReporting(job.path);
    if (read.unreadable)
        found.unreadableFile = job.path;
    searchPage(read.cells, job.kind, job.page, needle, found.hits);
    return found;
}

QList<PageJob> pageJobs(const QDir &folder, const ShownPage &shown)
{
    QList<PageJob> jobs;
    for (int kind = FirstKind; kind <= LastKind; ++kind) {
        QList<int> pages = pagesOf(folder, kind);
        if (kind == shown.kind && !pages.contains(shown.page)) {
            pages.append(shown.page);
            std::sort(pages.begin(), pages.end());
        }
        const QString stem = labelKind(kind)->stemText();
        for (int page : std::as_const(pages)) {
            const bool onScreen = kind == shown.kind && page == shown.page;
            jobs.append({kind, page, folder.filePath(SheetPage::pageFileName(stem, page)),
                         onScreen ? &shown.cells : nullptr});
        }
    }
    return jobs;
}

} // namespace

QString folded(QStringView text)
{
    if (isCompatibilityStable(text))
        return text.toString().toCaseFolded();
    return text.toString().normalized(QString::NormalizationForm_KC).toCaseFolded();
}

QList<int> pagesOf(const QDir &folder, int kind)
{
    const QString stem = labelKind(kind)->stemText();
    const QString suffix = QStringLiteral(".ini");
    QList<int> pages;
    const QStringList names =
        folder.entryList({stem + QStringLiteral("*") + suffix}, QDir::Files | QDir::Readable);
    for (const QString &name : names) {
        bool isNumber = false;
        const int page = QStringView(name)
                             .sliced(stem.size(), name.size() - stem.size() - suffix.size())
                             .toInt(&isNumber);
        // 座位1.ini, not 座位01.ini or a name that only starts alike.
        if (isNumber && SheetPage::pageFileName(stem, page).compare(name, Qt::CaseInsensitive) == 0)
            pages.append(page);
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

Result search(const QDir &folder, const QString &text, const ShownPage &shown)
{
    Result result;
    const QString needle = folded(text.trimmed());
    if (needle.isEmpty())
        return result;
    // Page files are read on every core; the order of the pages is kept.
    const QList<PageFound> found = QtConcurrent::blockingMapped(
        pageJobs(folder, shown), [&needle](const PageJob &job) { return searchJob(job, needle); });
    for (const PageFound &page : found) {
        result.hits += page.hits;
        if (!page.unreadableFile.isEmpty())
            result.unreadableFiles.append(page.unreadableFile);
    }
    return result;
}

} // namespace LabelSearch
