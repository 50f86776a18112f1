#pragma once

#include "sheet/sheetpage.h"

#include <QWidget>

#include <array>

class MemoCell;

// The grid panel pnlgrid: 70 cells of 150 x 50 in 5 columns and 14 rows,
// zoomed by scaling every cell's edges.
class CellGrid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CellWidth = 150;
    static constexpr int CellHeight = 50;
    static constexpr int CellFontPoints = 6;

    explicit CellGrid(QWidget *parent = nullptr);

    // Cell 1 to 70; null for any other number.
    MemoCell *cell(int number) const;

    SheetPage::Cells contents() const;
    void setContents(const SheetPage::Cells &cells);

    void zoom(int numerator, int denominator);

Q_SIGNALS:
    void cellClicked(int number);

private:
    std::array<MemoCell *, SheetPage::CellCount> m_cells{};
    int m_fontPoints = CellFontPoints;
};
