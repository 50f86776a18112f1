#pragma once

#include "sheet/sheetpage.h"

#include <QList>
#include <QUndoCommand>

#include <functional>

// A paste or an import that wrote several pages, as one step of the undo
// history: every page's contents before and after, kept until the history
// ends. The window writes the pages' files before it moves the history over
// this step, and moves it only once they are all written (a step that
// cannot write its pages stays where it was); undo and redo here show the
// page the step leaves the user on: undone, the page where the fill started
// with its cells as they were; done, the last page the fill wrote.
class FillStep : public QUndoCommand
{
public:
    static constexpr int Id = 1;

    struct Page {
        int page = 0;
        SheetPage::Cells before; // what its file held
        SheetPage::Cells after; // what the fill wrote
        int lastRow = 0; // the last source row placed on it
    };

    // The page a step shows, its cells, what its file holds, the current cell.
    struct View {
        int page = 0;
        SheetPage::Cells shown;
        SheetPage::Cells stored;
        int currentCell = 1;
    };
    using Show = std::function<void(const View &view)>;

    // `pages` in page order, the first the page where the fill started,
    // which showed `startShown` with `startCell` current; `endCell` is
    // current on the last page once the fill is done.
    FillStep(QList<Page> pages, const SheetPage::Cells &startShown, int startCell, int endCell,
             Show show, const QString &text);

    const QList<Page> &pages() const { return m_pages; }

    int id() const override { return Id; }
    void undo() override;
    void redo() override;

private:
    QList<Page> m_pages;
    SheetPage::Cells m_startShown;
    int m_startCell;
    int m_endCell;
    Show m_show;
};
