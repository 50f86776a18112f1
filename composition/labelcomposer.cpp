#include "composition/labelcomposer.h"

#include "composition/boxstretch.h"
#include "composition/reportunits.h"
#include "composition/textlayout.h"

#include <algorithm>

namespace {

// A row whose bottom comes this close to the page bottom no longer fits.
constexpr double Tolerance = 0.0001;

int rowsPerPage(const LabelTemplate &layout)
{
    const double pageHeight = ReportUnits::fromMm(
        layout.page1.paperHeightMm - layout.page1.topMarginMm - layout.page1.bottomMarginMm);
    int rows = 1;
    while (pageHeight - (rows + 1) * layout.masterData1.height > Tolerance)
        ++rows;
    return rows;
}

// From the top of a box's first line to the foot of its last character, in
// units, placed as the drawing places it in the stored box.
struct Band {
    double top;
    double bottom;
};

Band glyphBand(const ComposedTextBox &box, const QRectF &stored)
{
    const double pitch = TextLayout::linePitch(box.font.pointSize);
    const double block = box.lines.size() * pitch;
    const double areaTop = stored.top() + TextLayout::GapY;
    const double free = stored.height() - 2 * TextLayout::GapY - block;
    const double top = areaTop
        + ((box.alignment & Qt::AlignVCenter)      ? free / 2
               : (box.alignment & Qt::AlignBottom) ? free
                                                   : 0);
    return {top, top + block - TextLayout::LineSpacing};
}

bool overlapsAcross(const QRectF &a, const QRectF &b)
{
    return a.left() < b.right() && b.left() < a.right();
}

} // namespace

LabelComposer::LabelComposer(LabelTemplate layout)
    : m_layout(std::move(layout))
    , m_paperOffset(ReportUnits::fromMm(m_layout.page1.leftMarginMm),
                    ReportUnits::fromMm(m_layout.page1.topMarginMm))
{ }

QList<ComposedTextBox> LabelComposer::boxes(const QPointF &position,
                                            const QStringList &values) const
{
    QList<ComposedTextBox> composed;
    for (qsizetype i = 0; i < m_layout.boxes.size(); ++i)
        composed.append(box(i, position, values.value(i), m_layout.boxes[i].font.pointSize));
    judge(composed, position);
    const bool cut = std::any_of(composed.cbegin(), composed.cend(),
                                 [](const ComposedTextBox &b) { return b.cut; });
    if (cut && m_layout.shrinkToFit)
        shrink(composed, position);
    stretchToText(composed, m_layout.boxes);
    return composed;
}

QPointF LabelComposer::position(int record) const
{
    const MasterDataBand &band = m_layout.masterData1;
    const int row = (record - 1) / band.columns;
    const int column = (record - 1) % band.columns;
    return {column * band.columnPitch(), (row % rowsPerPage(m_layout)) * band.height};
}

PlacedLabel LabelComposer::label(int record, const QStringList &values) const
{
    const QPointF at = position(record);
    const int column = (record - 1) % m_layout.masterData1.columns + 1;
    return {record, column, at, boxes(at, values)};
}

ComposedTextBox LabelComposer::box(qsizetype index, const QPointF &position, const QString &text,
                                   int pointSize) const
{
    const TextBoxTemplate &stored = m_layout.boxes[index];
    ComposedTextBox composed{
        stored.name, stored.rect.translated(position), stored.font, stored.alignment, text, {}};
    composed.font.pointSize = pointSize;
    const QRectF onPaper = composed.rect.translated(m_paperOffset);
    const LineBreaker &lines = breaker(index, pointSize);
    composed.lines = lines.lines(text, onPaper);
    return composed;
}

// Judged against the stored box: a box that stretches past it runs into
// the boxes below it.
void LabelComposer::judge(QList<ComposedTextBox> &boxes, const QPointF &position) const
{
    for (qsizetype i = 0; i < boxes.size(); ++i)
        boxes[i].cut = !fitsOwnBox(boxes[i], i, position);
    markOverlaps(boxes);
}

bool LabelComposer::fitsOwnBox(const ComposedTextBox &composed, qsizetype index,
                               const QPointF &position) const
{
    const QRectF onPaper = m_layout.boxes[index].rect.translated(position + m_paperOffset);
    return breaker(index, composed.font.pointSize).fits(composed.lines, onPaper);
}

// Boxes of one label may overlap on the template: text of one that reaches
// into the lines of another prints over them.
void LabelComposer::markOverlaps(QList<ComposedTextBox> &boxes) const
{
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        for (qsizetype j = 0; j < boxes.size(); ++j) {
            const QRectF a = m_layout.boxes[i].rect;
            const QRectF b = m_layout.boxes[j].rect;
            if (i == j || boxes[i].lines.isEmpty() || boxes[j].lines.isEmpty()
                || !overlapsAcross(a, b))
                continue;
            const Band first = glyphBand(boxes[i], a);
            const Band second = glyphBand(boxes[j], b);
            if (first.top < second.bottom && second.top < first.bottom)
                boxes[i].cut = true;
        }
    }
}

// The largest whole size below the styled one at which the box fits, down
// to the smallest allowed: first where text does not fit its own box, then
// where it still runs into another box as the others now stand.
void LabelComposer::shrink(QList<ComposedTextBox> &boxes, const QPointF &position) const
{
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        while (!fitsOwnBox(boxes[i], i, position) && boxes[i].font.pointSize > SmallestShrunkSize)
            boxes[i] = box(i, position, boxes[i].text, boxes[i].font.pointSize - 1);
    }
    judge(boxes, position);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        while (boxes[i].cut && boxes[i].font.pointSize > SmallestShrunkSize) {
            boxes[i] = box(i, position, boxes[i].text, boxes[i].font.pointSize - 1);
            judge(boxes, position);
        }
    }
}

const LineBreaker &LabelComposer::breaker(qsizetype index, int pointSize) const
{
    const auto key = std::make_pair(index, pointSize);
    auto found = m_breakers.find(key);
    if (found == m_breakers.end()) {
        TextStyle style = m_layout.boxes[index].font;
        style.pointSize = pointSize;
        found = m_breakers.emplace(key, LineBreaker(style)).first;
    }
    return found->second;
}
