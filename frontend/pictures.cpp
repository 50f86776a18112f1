#include "frontend/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Pictures {

namespace {

const QColor TempleRed(0x9c, 0x1b, 0x1b);
const QColor DeepRed(0x5e, 0x0b, 0x0b);
const QColor Gold(0xf2, 0xc1, 0x4e);
const QColor PaleGold(0xff, 0xe9, 0xa8);

QPixmap transparentPixmap(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A lamp in a box of the given size at the origin: a lotus bowl with a flame.
void drawLamp(QPainter &painter, const QRectF &box)
{
    const qreal w = box.width();
    const qreal h = box.height();
    painter.save();
    painter.translate(box.topLeft());

    QRadialGradient glow(QPointF(w / 2, h * 0.38), w * 0.5);
    glow.setColorAt(0, QColor(255, 230, 150, 150));
    glow.setColorAt(1, QColor(255, 230, 150, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(w / 2, h * 0.38), w * 0.5, w * 0.5);

    QPainterPath flame;
    flame.moveTo(w * 0.5, h * 0.08);
    flame.cubicTo(w * 0.64, h * 0.28, w * 0.66, h * 0.46, w * 0.5, h * 0.56);
    flame.cubicTo(w * 0.34, h * 0.46, w * 0.36, h * 0.28, w * 0.5, h * 0.08);
    QLinearGradient flameFill(0, h * 0.08, 0, h * 0.56);
    flameFill.setColorAt(0, QColor(0xff, 0x8a, 0x1e));
    flameFill.setColorAt(1, PaleGold);
    painter.setBrush(flameFill);
    painter.drawPath(flame);

    QPainterPath bowl;
    bowl.moveTo(w * 0.12, h * 0.6);
    bowl.quadTo(w * 0.5, h * 0.52, w * 0.88, h * 0.6);
    bowl.quadTo(w * 0.8, h * 0.82, w * 0.5, h * 0.84);
    bowl.quadTo(w * 0.2, h * 0.82, w * 0.12, h * 0.6);
    QLinearGradient bowlFill(0, h * 0.55, 0, h * 0.85);
    bowlFill.setColorAt(0, Gold);
    bowlFill.setColorAt(1, QColor(0xb8, 0x7a, 0x12));
    painter.setBrush(bowlFill);
    painter.drawPath(bowl);
    painter.drawRoundedRect(QRectF(w * 0.36, h * 0.84, w * 0.28, h * 0.1), w * 0.04, w * 0.04);
    painter.restore();
}

QFont kaiFont(int pixels)
{
    QFont font;
    font.setFamilies({QStringLiteral("標楷體"), QStringLiteral("AR PL UKai TW")});
    font.setPixelSize(pixels);
    return font;
}

} // namespace

QPixmap splash()
{
    QPixmap pixmap(390, 188);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 390, 188);
    background.setColorAt(0, TempleRed);
    background.setColorAt(1, DeepRed);
    painter.fillRect(pixmap.rect(), background);
    painter.setPen(QPen(Gold, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(6, 6, 378, 176));
    painter.setPen(QPen(Gold, 0.8));
    painter.drawRect(QRectF(10, 10, 370, 168));

    drawLamp(painter, QRectF(22, 28, 120, 130));

    painter.setPen(PaleGold);
    painter.setFont(kaiFont(64));
    painter.drawText(QRectF(150, 24, 220, 80), Qt::AlignCenter, QStringLiteral("岑禾"));
    painter.setFont(kaiFont(22));
    painter.drawText(QRectF(150, 100, 220, 30), Qt::AlignCenter, QStringLiteral("點燈標籤列印"));
    painter.setPen(Gold);
    painter.setFont(kaiFont(14));
    painter.drawText(QRectF(150, 134, 220, 24), Qt::AlignCenter,
                     QStringLiteral("光明燈．太歲燈．文昌燈"));
    painter.setFont(kaiFont(11));
    painter.drawText(QRectF(150, 158, 220, 16), Qt::AlignCenter, QStringLiteral("v3.2"));
    return pixmap;
}

QPixmap applicationIconPixmap(int size)
{
    QPixmap pixmap = transparentPixmap(size, size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient background(0, 0, 0, s);
    background.setColorAt(0, TempleRed);
    background.setColorAt(1, DeepRed);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.18, s * 0.18);
    drawLamp(painter, QRectF(s * 0.1, s * 0.08, s * 0.8, s * 0.86));
    return pixmap;
}

QIcon applicationIcon()
{
    // The sizes title bars and task switchers show. X sends every size to the
    // server before the window maps, and the two large ones were nine tenths
    // of the drawing; menus and launchers take the installed icon files.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(applicationIconPixmap(size));
    return icon;
}

QPixmap supportIcon()
{
    return applicationIconPixmap(32);
}

namespace {

// Drawn, not written: a bold font for one character would be a font file
// more to find and open before the main window can show.
void drawQuestionMark(QPainter &painter, qreal s)
{
    QPainterPath hook;
    const QRectF bend(s * 0.37, s * 0.24, s * 0.26, s * 0.24);
    hook.arcMoveTo(bend, 165);
    hook.arcTo(bend, 165, -235);
    hook.lineTo(s * 0.5, s * 0.6);
    painter.setPen(QPen(Qt::white, s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(s * 0.5, s * 0.75), s * 0.07, s * 0.07);
}

void drawGlyph(QPainter &painter, Glyph glyph, qreal s)
{
    const QPen outline(QColor(0x33, 0x33, 0x33), s / 16, Qt::SolidLine, Qt::RoundCap,
                       Qt::RoundJoin);
    painter.setPen(outline);
    switch (glyph) {
    case Glyph::Support:
        painter.setBrush(QColor(0x2f, 0x7d, 0xd1));
        painter.drawEllipse(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
        drawQuestionMark(painter, s);
        break;
    case Glyph::Save:
        painter.setBrush(QColor(0x2f, 0x7d, 0xd1));
        painter.drawRoundedRect(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.76), s * 0.06, s * 0.06);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(s * 0.28, s * 0.12, s * 0.44, s * 0.28));
        painter.setBrush(QColor(0xdd, 0xdd, 0xdd));
        painter.drawRect(QRectF(s * 0.26, s * 0.56, s * 0.48, s * 0.32));
        break;
    case Glyph::Print:
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(s * 0.28, s * 0.1, s * 0.44, s * 0.3));
        painter.setBrush(QColor(0x88, 0x88, 0x88));
        painter.drawRoundedRect(QRectF(s * 0.1, s * 0.38, s * 0.8, s * 0.34), s * 0.06, s * 0.06);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(s * 0.28, s * 0.6, s * 0.44, s * 0.3));
        break;
    case Glyph::Exit:
        painter.setBrush(QColor(0xb9, 0x7a, 0x3d));
        painter.drawRect(QRectF(s * 0.14, s * 0.1, s * 0.42, s * 0.8));
        painter.setPen(
            QPen(QColor(0xc6, 0x28, 0x28), s / 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(QPointF(s * 0.44, s * 0.5), QPointF(s * 0.9, s * 0.5));
        painter.drawPolyline(QPolygonF(
            {QPointF(s * 0.74, s * 0.34), QPointF(s * 0.9, s * 0.5), QPointF(s * 0.74, s * 0.66)}));
        break;
    case Glyph::Confirm:
        painter.setPen(
            QPen(QColor(0x2e, 0x8b, 0x3a), s / 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF(
            {QPointF(s * 0.15, s * 0.55), QPointF(s * 0.4, s * 0.8), QPointF(s * 0.85, s * 0.22)}));
        break;
    case Glyph::Cancel:
        painter.setPen(QPen(QColor(0xc6, 0x28, 0x28), s / 7, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(s * 0.22, s * 0.22), QPointF(s * 0.78, s * 0.78));
        painter.drawLine(QPointF(s * 0.78, s * 0.22), QPointF(s * 0.22, s * 0.78));
        break;
    case Glyph::Import: // a list with an arrow going into it
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(s * 0.36, s * 0.1, s * 0.52, s * 0.8));
        painter.setPen(QPen(QColor(0x88, 0x88, 0x88), s / 14));
        for (const qreal y : {0.28, 0.43, 0.58, 0.73})
            painter.drawLine(QPointF(s * 0.56, s * y), QPointF(s * 0.8, s * y));
        painter.setPen(
            QPen(QColor(0x2e, 0x8b, 0x3a), s / 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(QPointF(s * 0.08, s * 0.5), QPointF(s * 0.48, s * 0.5));
        painter.drawPolyline(QPolygonF({QPointF(s * 0.34, s * 0.36), QPointF(s * 0.48, s * 0.5),
                                        QPointF(s * 0.34, s * 0.64)}));
        break;
    case Glyph::Find:
        painter.setPen(QPen(QColor(0x55, 0x55, 0x55), s / 7, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(s * 0.6, s * 0.6), QPointF(s * 0.86, s * 0.86));
        painter.setPen(QPen(QColor(0x33, 0x33, 0x33), s / 12));
        painter.setBrush(QColor(0xd6, 0xea, 0xfb));
        painter.drawEllipse(QRectF(s * 0.12, s * 0.12, s * 0.52, s * 0.52));
        break;
    }
}

} // namespace

QIcon glyph(Glyph which)
{
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap = transparentPixmap(size, size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        drawGlyph(painter, which, size);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace Pictures
