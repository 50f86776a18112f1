// The find box of the main window and going to a label it found.
#include "mainwindow/tfrmarowin.h"

#include "mainwindow/cellgrid.h"
#include "mainwindow/findbox.h"
#include "mainwindow/memocell.h"

void TFrMarowin::btnFindClick()
{
    if (!m_findBox) {
        m_findBox = new FindBox(
            [this] {
                return LabelSearch::ShownPage{FMode, m_page, pnlgrid->contents()};
            },
            this);
        // Out of the way once the label is shown; Ctrl+F brings the hits back.
        connect(m_findBox, &FindBox::hitChosen, this, [this](int kind, int page, int cell) {
            if (showLabel(kind, page, cell))
                m_findBox->hide();
        });
    }
    m_findBox->show();
    m_findBox->raise();
    m_findBox->activateWindow();
    m_findBox->focusText();
}

bool TFrMarowin::showLabel(int kind, int page, int cell)
{
    if (!showKindPage(kind, page))
        return false;
    activateWindow();
    if (MemoCell *memo = pnlgrid->cell(cell)) {
        // The current cell, so that Enter edits it and the arrows go on from
        // it, and its text selected, so the label stands out on the page.
        pnlgrid->setCurrentCell(cell);
        focusGrid();
        memo->selectAll();
    }
    return true;
}
