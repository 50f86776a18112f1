#include "mainwindow/fillstep.h"

FillStep::FillStep(QList<Page> pages, const SheetPage::Cells &startShown, int startCell,
                   int endCell, Show show, const QString &text)
    : QUndoCommand(text)
    , m_pages(std::move(pages))
    , m_startShown(startShown)
    , m_startCell(startCell)
    , m_endCell(endCell)
    , m_show(std::move(show))
{ }

void FillStep::undo()
{
    const Page &start = m_pages.first();
    m_show({start.page, m_startShown, start.before, m_startCell});
}

void FillStep::redo()
{
    const Page &last = m_pages.last();
    m_show({last.page, last.after, last.after, m_endCell});
}
