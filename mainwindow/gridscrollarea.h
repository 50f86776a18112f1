#pragma once

#include <QScrollArea>

class CellGrid;

// The grid's place in the main window: scroll bars appear when the window is
// smaller than the grid or the grid is zoomed in, so every cell can be
// reached. The mouse wheel over the cells scrolls the grid; with Ctrl held
// it asks for a zoom step instead of zooming a cell's text.
class GridScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    GridScrollArea(CellGrid *grid, QWidget *parent = nullptr);

Q_SIGNALS:
    void zoomInRequested();
    void zoomOutRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void followGrid();
    void zoomByWheel(QWheelEvent *event);

    CellGrid *m_grid;
    int m_wheelAngle = 0; // eighths of a degree not yet spent on a zoom step
};
