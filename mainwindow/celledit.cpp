#include "mainwindow/celledit.h"

#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"

CellEdit::CellEdit(CellGrid *grid, const QList<Change> &changes, const QString &text)
    : QUndoCommand(text)
    , m_grid(grid)
    , m_after(changes)
{
    for (const Change &change : changes)
        m_before.append({change.cell, grid->cell(change.cell)->lines()});
}

void CellEdit::undo()
{
    show(m_before);
}

void CellEdit::redo()
{
    show(m_after);
}

void CellEdit::show(const QList<Change> &state)
{
    for (const Change &change : state) {
        LabelCell *memo = m_grid->cell(change.cell);
        memo->setLines(change.lines);
        memo->focusTop();
    }
    // The first cell the step touched becomes current, so the user sees it.
    if (!state.isEmpty())
        m_grid->setCurrentCell(state.first().cell);
}
