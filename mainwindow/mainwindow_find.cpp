// The find box of the main window and going to a label it found.
#include "mainwindow/mainwindow.h"

#include "mainwindow/cellgrid.h"
#include "mainwindow/findbox.h"
#include "mainwindow/labelcell.h"

void MainWindow::openFind()
{
    if (!m_findBox) {
        m_findBox = new FindBox(
            [this] {
                return LabelSearch::ShownPage{m_kind, m_page, m_grid->contents()};
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

bool MainWindow::showLabel(int kind, int page, int cell)
{
    if (!showKindPage(kind, page))
        return false;
    activateWindow();
    if (LabelCell *memo = m_grid->cell(cell)) {
        // The current cell, so that Enter edits it and the arrows go on from
        // it, and its text selected, so the label stands out on the page.
        m_grid->setCurrentCell(cell);
        focusGrid();
        memo->selectAll();
    }
    return true;
}
