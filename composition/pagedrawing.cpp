#include "composition/pagedrawing.h"

#include "composition/reportunits.h"
#include "composition/textlayout.h"
#include "composition/wincolor.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace {

struct DeviceScale {
    double x;
    double y;
};

void drawBox(QPainter &painter, const ComposedTextBox &box, const QRect &area, double dotsPerUnitY)
{
    const QFont font = TextLayout::labelFont(box.font);
    const QFontMetricsF metrics(font, painter.device());
    // The character height is the em; split it like the font's cell so that
    // the glyphs stand inside their line.
    const qreal characterDots = TextLayout::characterHeight(box.font.pointSize) * dotsPerUnitY;
    const qreal baseline =
        characterDots * metrics.ascent() / (metrics.ascent() + metrics.descent());
    const qreal pitch = TextLayout::linePitch(box.font.pointSize) * dotsPerUnitY;
    const int top = TextLayout::blockTop(area, box.lines.size() * pitch, box.alignment);

    painter.save();
    painter.setFont(font);
    painter.setPen(WinColor::inkColor(box.font.color));
    painter.setClipRect(area, Qt::IntersectClip);
    for (qsizetype i = 0; i < box.lines.size(); ++i) {
        const QString &line = box.lines[i];
        const int left = TextLayout::lineLeft(area, metrics.horizontalAdvance(line), box.alignment);
        const double lineTop = top + ReportUnits::roundHalfEven(i * pitch);
        painter.drawText(QPointF(left, lineTop + baseline), line);
    }
    painter.restore();
}

QFont figureFont(double pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Hairlines at their dots from the paper corner, one device dot wide on any
// device, and figures centred on their points by the font's own box.
void drawMarks(QPainter &painter, const PageMarks &marks, const QPointF &origin,
               const DeviceScale &scale, QPoint unprintableOffset)
{
    const auto dots = [&](const QPointF &units) {
        return QPointF(ReportUnits::toDots(units.x() + origin.x(), scale.x),
                       ReportUnits::toDots(units.y() + origin.y(), scale.y))
            - unprintableOffset;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(marks.colour, 0));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF &outline : marks.outlines)
        painter.drawRect(QRectF(dots(outline.topLeft()), dots(outline.bottomRight())));
    for (const QLineF &line : marks.lines)
        painter.drawLine(QLineF(dots(line.p1()), dots(line.p2())));
    for (const CentredFigure &figure : marks.figures) {
        const QFont font = figureFont(figure.pointSize);
        const QFontMetricsF metrics(font, painter.device());
        const QPointF centre((figure.centre.x() + origin.x()) * scale.x,
                             (figure.centre.y() + origin.y()) * scale.y);
        painter.setFont(font);
        painter.drawText(centre - unprintableOffset
                             + QPointF(-metrics.horizontalAdvance(figure.text) / 2,
                                       (metrics.ascent() - metrics.descent()) / 2),
                         figure.text);
    }
    painter.restore();
}

} // namespace

void drawComposedPage(QPainter &painter, const ComposedPage &page, QPoint unprintableOffset)
{
    const QPaintDevice *device = painter.device();
    const DeviceScale scale{ReportUnits::dotsPerUnit(device->logicalDpiX()),
                            ReportUnits::dotsPerUnit(device->logicalDpiY())};
    const QPointF origin(ReportUnits::fromMm(page.paper.leftMarginMm),
                         ReportUnits::fromMm(page.paper.topMarginMm));

    for (const PlacedLabel &label : page.labels) {
        for (const ComposedTextBox &box : label.boxes) {
            // Text of 0 points has no height and shows nothing.
            if (box.lines.isEmpty() || TextLayout::characterDotsAt600(box.font.pointSize) <= 0)
                continue;
            const QRect area = TextLayout::textArea(box.rect.translated(origin), scale.x, scale.y);
            drawBox(painter, box, area.translated(-unprintableOffset), scale.y);
        }
    }
    if (!page.marks.isEmpty())
        drawMarks(painter, page.marks, origin, scale, unprintableOffset);
}
