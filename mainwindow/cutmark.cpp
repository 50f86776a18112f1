#include "mainwindow/cutmark.h"

#include <QEvent>
#include <QPainter>
#include <QPolygon>
#include <QWidget>

namespace {

constexpr int Side = 9; // pixels, whatever the zoom

// Drawn above the cell's text, following the cell's right edge; the mouse
// passes through to the cell.
class CornerTriangle : public QWidget
{
public:
    explicit CornerTriangle(QWidget *cell)
        : QWidget(cell)
    {
        setObjectName(QStringLiteral("cutMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(Side, Side);
        cell->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            follow();
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xD0, 0x10, 0x10));
        painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(Side, 0), QPoint(Side, Side)}));
    }

private:
    void follow() { move(parentWidget()->width() - Side, 0); }
};

QWidget *triangleOf(const QWidget *cell)
{
    return cell->findChild<QWidget *>(QStringLiteral("cutMark"), Qt::FindDirectChildrenOnly);
}

} // namespace

namespace CutMark {

void set(QWidget *cell, bool cut)
{
    QWidget *triangle = triangleOf(cell);
    if (!cut) {
        if (triangle) {
            triangle->hide();
            cell->setToolTip(QString());
        }
        return;
    }
    if (!triangle)
        triangle = new CornerTriangle(cell);
    triangle->show();
    triangle->raise();
    cell->setToolTip(toolTip());
}

bool isShown(const QWidget *cell)
{
    const QWidget *triangle = triangleOf(cell);
    return triangle && !triangle->isHidden();
}

} // namespace CutMark
