#include "composition/composedpage.h"

#include "composition/reportunits.h"

#include <algorithm>

QPointF millimetresFromPaperCorner(const ComposedPage &page, const QPointF &units)
{
    return {page.paper.leftMarginMm + ReportUnits::toMm(units.x()),
            page.paper.topMarginMm + ReportUnits::toMm(units.y())};
}

QRectF labelBox(const ComposedPage &page, const PlacedLabel &label)
{
    return QRectF(label.position, page.labelSize);
}

bool PlacedLabel::isCut() const
{
    return std::any_of(boxes.cbegin(), boxes.cend(),
                       [](const ComposedTextBox &box) { return box.cut; });
}

int ComposedPage::cutLabelCount() const
{
    return int(std::count_if(labels.cbegin(), labels.cend(),
                             [](const PlacedLabel &label) { return label.isCut(); }));
}
