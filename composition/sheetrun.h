#pragma once

#include "composition/composer.h"

#include <QList>

#include <functional>

// The sheets of a print run in order. Each page of the run keeps only what
// composes it and how many sheets it gives; its sheets are composed again
// when they are drawn, so a run of hundreds of pages holds their text, not
// their drawings.
class SheetRun
{
public:
    using ComposePage = std::function<Composition()>;
    // Told after each page composed: pages done and pages in all. Returning
    // false cancels.
    using Progress = std::function<bool(int done, int total)>;

    SheetRun() = default;
    // One composition, kept whole.
    SheetRun(const QList<ComposedPage> &sheets); // NOLINT: implicit, a list of sheets is a run

    struct Built;
    // Composes every page once to count its sheets. Stops at a page where
    // no row fits, or when `progress` cancels.
    static Built compose(const QList<ComposePage> &pages, const Progress &progress = {});

    int sheetCount() const;
    int pageCount() const { return int(m_pages.size()); }
    int sheetsOfPage(int index) const { return m_pages[index].sheets; }
    // The paper of the first sheet; the templates' paper when there is none.
    ReportPage paper() const { return m_paper; }

    // Hands sheets `first`..`last` (1 upward, clamped to the run) to `visit`
    // in order, composing each page once; false when `visit` stopped it.
    bool forEachSheet(int first, int last,
                      const std::function<bool(const ComposedPage &)> &visit) const;
    // Every sheet composed at once: for small runs and tests.
    QList<ComposedPage> sheets() const;

private:
    struct Page {
        ComposePage compose;
        int sheets = 0;
    };
    QList<Page> m_pages;
    ReportPage m_paper = sheetPaper();
};

struct SheetRun::Built {
    CompositionStatus status = CompositionStatus::Composed;
    SheetRun run;

    Built() = default;
    Built(CompositionStatus status, SheetRun run);
    // One composition kept whole, as the composer gave it.
    Built(const Composition &composition); // NOLINT: implicit
};
