#include "composition/sheetrun.h"

SheetRun::SheetRun(const QList<ComposedPage> &sheets)
{
    if (sheets.isEmpty())
        return;
    const Composition kept{CompositionStatus::Composed, sheets};
    m_pages.append({[kept] { return kept; }, int(sheets.size())});
    m_paper = sheets.first().paper;
}

SheetRun::Built::Built(CompositionStatus status, SheetRun run)
    : status(status)
    , run(std::move(run))
{ }

SheetRun::Built::Built(const Composition &composition)
    : status(composition.status)
    , run(composition.pages)
{ }

SheetRun::Built SheetRun::compose(const QList<ComposePage> &pages, const Progress &progress)
{
    SheetRun run;
    for (int i = 0; i < pages.size(); ++i) {
        const Composition composition = pages[i]();
        if (composition.status != CompositionStatus::Composed)
            return {composition.status, {}};
        if (run.m_pages.isEmpty() && !composition.pages.isEmpty())
            run.m_paper = composition.pages.first().paper;
        run.m_pages.append({pages[i], int(composition.pages.size())});
        if (progress && !progress(i + 1, int(pages.size())))
            return {CompositionStatus::Cancelled, {}};
    }
    return {CompositionStatus::Composed, std::move(run)};
}

int SheetRun::sheetCount() const
{
    int count = 0;
    for (const Page &page : m_pages)
        count += page.sheets;
    return count;
}

bool SheetRun::forEachSheet(int first, int last,
                            const std::function<bool(const ComposedPage &)> &visit) const
{
    int before = 0; // sheets of the pages already passed
    for (const Page &page : m_pages) {
        if (before >= last)
            break;
        if (before + page.sheets >= first) {
            const QList<ComposedPage> sheets = page.compose().pages;
            for (int i = 0; i < sheets.size(); ++i) {
                const int number = before + i + 1;
                if (number >= first && number <= last && !visit(sheets[i]))
                    return false;
            }
        }
        before += page.sheets;
    }
    return true;
}

QList<ComposedPage> SheetRun::sheets() const
{
    QList<ComposedPage> all;
    forEachSheet(1, sheetCount(), [&all](const ComposedPage &sheet) {
        all.append(sheet);
        return true;
    });
    return all;
}
