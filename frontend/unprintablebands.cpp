#include "frontend/unprintablebands.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace UnprintableBands {

namespace {

int rowOf(const ComposedPage &sheet, const PlacedLabel &label)
{
    const double height = sheet.labelSize.height();
    return height > 0 ? int(std::lround(label.position.y() / height)) + 1 : 1;
}

// The part of the sheet, in millimetres from the paper's corner, that a
// box's text may take.
QRectF boxOnPaper(const ComposedPage &sheet, const ComposedTextBox &box)
{
    return QRectF(millimetresFromPaperCorner(sheet, box.rect.topLeft()),
                  millimetresFromPaperCorner(sheet, box.rect.bottomRight()));
}

void note(QList<Overlap> &found, Edge edge, double bandMm, int line)
{
    auto it = std::find_if(found.begin(), found.end(),
                           [edge](const Overlap &o) { return o.edge == edge; });
    if (it == found.end())
        it = found.insert(found.end(), Overlap{edge, bandMm, {}});
    if (!it->lines.contains(line))
        it->lines.append(line);
}

QString edgeName(Edge edge)
{
    switch (edge) {
    case Edge::Top:
        return QStringLiteral("上緣");
    case Edge::Bottom:
        return QStringLiteral("下緣");
    case Edge::Left:
        return QStringLiteral("左緣");
    case Edge::Right:
        return QStringLiteral("右緣");
    }
    return {};
}

QString linesText(const Overlap &overlap)
{
    QList<int> lines = overlap.lines;
    std::sort(lines.begin(), lines.end());
    QStringList numbers;
    for (int line : lines)
        numbers.append(QString::number(line));
    const bool rows = overlap.edge == Edge::Top || overlap.edge == Edge::Bottom;
    return QStringLiteral("第 %1 %2")
        .arg(numbers.join(QStringLiteral("、")),
             rows ? QStringLiteral("列") : QStringLiteral("欄"));
}

} // namespace

QList<Overlap> overlaps(const QList<ComposedPage> &sheets, const QMarginsF &unreachableMm)
{
    QList<Overlap> found;
    for (const ComposedPage &sheet : sheets) {
        const double right = sheet.paper.paperWidthMm - unreachableMm.right();
        const double bottom = sheet.paper.paperHeightMm - unreachableMm.bottom();
        for (const PlacedLabel &label : sheet.labels) {
            for (const ComposedTextBox &box : label.boxes) {
                if (box.lines.isEmpty())
                    continue;
                const QRectF text = boxOnPaper(sheet, box);
                if (text.top() < unreachableMm.top())
                    note(found, Edge::Top, unreachableMm.top(), rowOf(sheet, label));
                if (text.bottom() > bottom)
                    note(found, Edge::Bottom, unreachableMm.bottom(), rowOf(sheet, label));
                if (text.left() < unreachableMm.left())
                    note(found, Edge::Left, unreachableMm.left(), label.column);
                if (text.right() > right)
                    note(found, Edge::Right, unreachableMm.right(), label.column);
            }
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Overlap &a, const Overlap &b) { return a.edge < b.edge; });
    return found;
}

QString question(const QList<Overlap> &overlaps)
{
    QStringList bands;
    for (const Overlap &overlap : overlaps) {
        bands.append(QStringLiteral("・%1 %2 毫米內：%3")
                         .arg(edgeName(overlap.edge), QString::number(overlap.bandMm, 'f', 1),
                              linesText(overlap)));
    }
    return QStringLiteral(
               "這台印表機在紙張邊緣有印不到的範圍，下列標籤的文字落在其中，可能印不完整：\n\n%1\n\n"
               "要照樣列印，還是返回（可按「調整邊界」移動標籤）？")
        .arg(bands.join(u'\n'));
}

} // namespace UnprintableBands
