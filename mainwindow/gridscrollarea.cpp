#include "mainwindow/gridscrollarea.h"

#include "mainwindow/cellgrid.h"

#include <QWheelEvent>

namespace {

// The grid stands 2 pixels right of its area's edge and 2 above it, hiding
// its top frame line as the window always did.
constexpr QPoint GridOffset(2, -2);

// One notch of a common mouse wheel.
constexpr int NotchAngle = 120;

} // namespace

GridScrollArea::GridScrollArea(CellGrid *grid, QWidget *parent)
    : QScrollArea(parent)
    , m_grid(grid)
{
    setObjectName(QStringLiteral("gridArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
    auto *holder = new QWidget;
    holder->setObjectName(QStringLiteral("gridHolder"));
    grid->setParent(holder);
    grid->move(GridOffset);
    setWidget(holder);
    followGrid();
    grid->installEventFilter(this);
    // Qt hands a synthesized wheel event to its receiver only; watching the
    // cells as well makes the wheel over a cell work however it was sent.
    for (QWidget *cell : grid->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        cell->installEventFilter(this);
}

void GridScrollArea::followGrid()
{
    widget()->resize(m_grid->size() + QSize(GridOffset.x(), GridOffset.y()));
}

bool GridScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::Resize)
        followGrid();
    // The wheel over a cell scrolls or zooms the whole grid.
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::Wheel && widget && m_grid->isAncestorOf(widget)) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void GridScrollArea::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        zoomByWheel(event);
        return;
    }
    m_wheelAngle = 0;
    QScrollArea::wheelEvent(event);
}

void GridScrollArea::zoomByWheel(QWheelEvent *event)
{
    event->accept();
    m_wheelAngle += event->angleDelta().y();
    for (; m_wheelAngle >= NotchAngle; m_wheelAngle -= NotchAngle)
        Q_EMIT zoomInRequested();
    for (; m_wheelAngle <= -NotchAngle; m_wheelAngle += NotchAngle)
        Q_EMIT zoomOutRequested();
}
