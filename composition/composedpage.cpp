#include "composition/composedpage.h"

#include "composition/reportunits.h"

QPointF millimetresFromPaperCorner(const ComposedPage &page, const QPointF &units)
{
    return {page.paper.leftMarginMm + ReportUnits::toMm(units.x()),
            page.paper.topMarginMm + ReportUnits::toMm(units.y())};
}

QRectF labelBox(const ComposedPage &page, const PlacedLabel &label)
{
    return QRectF(label.position, page.labelSize);
}
