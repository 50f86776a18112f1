#include "composition/boxstretch.h"

#include "composition/textlayout.h"

#include <algorithm>

namespace {

constexpr double Tolerance = 0.0001;

bool liesBelow(const QRectF &upper, const QRectF &lower)
{
    return lower.top() >= upper.bottom() - Tolerance;
}

bool overlapsAcross(const QRectF &a, const QRectF &b)
{
    return a.left() < b.right() && b.left() < a.right();
}

bool isPushedBy(const QRectF &grown, const QRectF &other)
{
    return liesBelow(grown, other) && overlapsAcross(grown, other);
}

// `lower` follows `upper` unless another box stands between the two.
bool followsDirectly(const QList<TextBoxTemplate> &templates, qsizetype upper, qsizetype lower)
{
    const QRectF &a = templates[upper].rect;
    const QRectF &b = templates[lower].rect;
    if (!isPushedBy(a, b))
        return false;
    return std::none_of(templates.cbegin(), templates.cend(), [&](const TextBoxTemplate &box) {
        const QRectF &c = box.rect;
        return c != a && c != b && isPushedBy(a, c) && isPushedBy(c, b);
    });
}

} // namespace

void stretchToText(QList<ComposedTextBox> &boxes, const QList<TextBoxTemplate> &templates)
{
    for (qsizetype i = 0; i < templates.size(); ++i) {
        if (templates[i].stretchMode != StretchMode::ActualHeight)
            continue;
        const double stored = templates[i].rect.height();
        const double needed =
            TextLayout::requiredHeight(boxes[i].lines.size(), boxes[i].font.pointSize);
        const double growth = std::max(needed, stored) - stored;
        boxes[i].rect.setHeight(stored + growth);
        for (qsizetype j = 0; j < templates.size(); ++j) {
            if (j != i && growth > 0 && followsDirectly(templates, i, j))
                boxes[j].rect.translate(0, growth);
        }
    }
}
