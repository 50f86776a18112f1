#include "frontend/colorswatch.h"

#include "composition/wincolor.h"

#include <QPainter>

namespace ColorSwatch {

void paint(QPainter &painter, const QRect &rect, int value)
{
    const std::optional<QColor> color = WinColor::toColor(value);
    painter.save();
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setBrush(color.value_or(Qt::white));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    if (!color) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0xd0, 0x20, 0x20), 1.5));
        painter.drawLine(QRectF(rect).bottomLeft() + QPointF(1.5, -1.5),
                         QRectF(rect).topRight() + QPointF(-1.5, 1.5));
    }
    painter.restore();
}

} // namespace ColorSwatch
