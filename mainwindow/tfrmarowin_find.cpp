// The find box of the main window and going to a label it found.
#include "mainwindow/tfrmarowin.h"

#include "mainwindow/cellgrid.h"
#include "mainwindow/findbox.h"
#include "mainwindow/memocell.h"

void TFrMarowin::btnFindClick()
{
    if (!m_findBox) {
        m_findBox = new FindBox([this] { return LabelSearch::ShownPage{FMode, m_page, pnlgrid->contents()}; }, this);
        connect(m_findBox, &FindBox::hitChosen, this, &TFrMarowin::showLabel);
    }
    m_findBox->show();
    m_findBox->raise();
    m_findBox->activateWindow();
    m_findBox->focusText();
}

void TFrMarowin::showLabel(int kind, int page, int cell)
{
    if (!showKindPage(kind, page))
        return;
    MemoCell *memo = pnlgrid->cell(cell);
    if (!memo)
        return;
    activateWindow();
    // Focused and its text selected, so the label stands out on the page.
    memo->setFocus(Qt::OtherFocusReason);
    memo->selectAll();
}
