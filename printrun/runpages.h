#pragma once

#include "composition/sheetrun.h"
#include "sheet/sheetpage.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The pages one print run covers: the shown page from the cells on screen,
// saved or not, the others from their page files, which are only read.
namespace PrintRun {

constexpr int MaxPagesInRun = 9999;

struct PageText {
    int number = 0;
    SheetPage::Cells cells;
};

struct PageProblem {
    int number = 0;
    QString reason;
};

struct RunPages {
    int first = 1;
    int last = 1;
    QList<PageText> pages; // to print, in order
    QList<int> empty; // missing or without text: left out
    QList<PageProblem> unreadable; // left out, with the reason
};

// The last page of a run of `count` pages from `shown`: 0 and 1 give the
// shown page alone.
int lastPageOfRun(int shown, int count);

// Whether any cell holds more than blanks.
bool hasText(const SheetPage::Cells &cells);

struct ShownPage {
    int number = 0;
    SheetPage::Cells cells;
};

// Reads pages `first`..`last` of the kind whose page files are named from
// `stem` in `folder`; the shown page, where it lies in the span, comes from
// `shown`. A run of the shown page alone keeps it even without text, as a
// single page always printed. `progress` is told after each page; empty
// when it cancelled.
std::optional<RunPages> collectPages(const QString &folder, const QString &stem, int first,
                                     int last, const std::optional<ShownPage> &shown,
                                     const SheetRun::Progress &progress = {});

// Every page composed with `prepared`, each starting on a new sheet.
SheetRun::Built composeRun(const LabelTemplate &prepared, const RunPages &pages,
                           const SheetRun::Progress &progress = {});

// "第 3 頁" or "第 3–12 頁".
QString pageSpanText(int first, int last);

// One line for the preview's status bar: "第 3–12 頁，共 9 張，第 7 頁無資料".
QString runSummary(const RunPages &pages, int sheetCount);

} // namespace PrintRun
