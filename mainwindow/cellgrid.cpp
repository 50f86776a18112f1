#include "mainwindow/cellgrid.h"

#include "mainwindow/gridzoom.h"
#include "mainwindow/memocell.h"

CellGrid::CellGrid(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlgrid"));
    resize(754, 705);
    QFont cellFont = font();
    cellFont.setPointSize(m_fontPoints);
    for (int n = 1; n <= SheetPage::CellCount; ++n) {
        auto *memo = new MemoCell(n, this);
        memo->setFont(cellFont);
        memo->setGeometry(SheetPage::cellColumn(n) * CellWidth, SheetPage::cellRow(n) * CellHeight, CellWidth,
                          CellHeight);
        connect(memo, &MemoCell::clicked, this, &CellGrid::cellClicked);
        m_cells[n - 1] = memo;
    }
}

MemoCell *CellGrid::cell(int number) const
{
    return number >= 1 && number <= SheetPage::CellCount ? m_cells[number - 1] : nullptr;
}

SheetPage::Cells CellGrid::contents() const
{
    SheetPage::Cells cells;
    for (int i = 0; i < SheetPage::CellCount; ++i)
        cells[i] = m_cells[i]->lines();
    return cells;
}

void CellGrid::setContents(const SheetPage::Cells &cells)
{
    for (int i = 0; i < SheetPage::CellCount; ++i) {
        m_cells[i]->setLines(cells[i]);
        m_cells[i]->focusTop();
    }
}

void CellGrid::zoom(int numerator, int denominator)
{
    m_fontPoints = GridZoom::scaleFontPoints(m_fontPoints, numerator, denominator);
    for (MemoCell *memo : m_cells) {
        memo->setGeometry(GridZoom::scaleRect(memo->geometry(), numerator, denominator));
        QFont cellFont = memo->font();
        cellFont.setPointSize(m_fontPoints);
        memo->setFont(cellFont);
    }
    resize(GridZoom::scaleSize(size(), numerator, denominator));
}
