#pragma once

#include "sheet/sheetpage.h"

#include <QWidget>

#include <array>

class LabelCell;

// The grid panel pnlgrid: 70 cells of 150 x 50 in 5 columns and 14 rows,
// zoomed by scaling every cell's edges. The grid holds the keyboard focus
// for its cells and a current cell that the keys move; what a key asks of
// the page (open, clear, copy, paste, turn) goes out as a signal.
class CellGrid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CellWidth = 150;
    static constexpr int CellHeight = 50;
    static constexpr int CellFontPoints = 6;

    explicit CellGrid(QWidget *parent = nullptr);

    // Cell 1 to 70; null for any other number.
    LabelCell *cell(int number) const;

    SheetPage::Cells contents() const;
    void setContents(const SheetPage::Cells &cells);

    void zoom(int numerator, int denominator);

    int currentCell() const { return m_current; }
    // Brought into 1..70.
    void setCurrentCell(int number);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

Q_SIGNALS:
    // A click on a cell, after it became current.
    void cellClicked(int number);
    // Enter, F2 or Space (no text), or typing on the grid (the text typed).
    void openRequested(const QString &typed);
    void pageTurnRequested(int step);
    void clearRequested();
    void copyRequested();
    void cutRequested();
    void pasteRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool moveByKey(const QKeyEvent *event);
    bool requestByKey(const QKeyEvent *event);
    void updateMark();
    void announceCurrentCell();

    std::array<LabelCell *, SheetPage::CellCount> m_cells{};
    int m_fontPoints = CellFontPoints;
    int m_current = 1;
};
