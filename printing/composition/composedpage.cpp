#include "composedpage.h"

#include "reportunits.h"

QPointF millimetresFromPaperCorner(const ComposedPage &page, const QPointF &units)
{
    return {page.paper.leftMarginMm + ReportUnits::toMm(units.x()),
            page.paper.topMarginMm + ReportUnits::toMm(units.y())};
}
