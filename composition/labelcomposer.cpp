#include "composition/labelcomposer.h"

#include "composition/boxstretch.h"
#include "composition/reportunits.h"

namespace {

// A row whose bottom comes this close to the page bottom no longer fits.
constexpr double Tolerance = 0.0001;

int rowsPerPage(const LabelTemplate &layout)
{
    const double pageHeight = ReportUnits::fromMm(layout.page1.paperHeightMm - layout.page1.topMarginMm
                                                  - layout.page1.bottomMarginMm);
    int rows = 1;
    while (pageHeight - (rows + 1) * layout.masterData1.height > Tolerance)
        ++rows;
    return rows;
}

} // namespace

LabelComposer::LabelComposer(LabelTemplate layout)
    : m_layout(std::move(layout))
    , m_paperOffset(ReportUnits::fromMm(m_layout.page1.leftMarginMm), ReportUnits::fromMm(m_layout.page1.topMarginMm))
{
}

QList<ComposedTextBox> LabelComposer::boxes(const QPointF &position, const QStringList &values) const
{
    QList<ComposedTextBox> composed;
    bool cut = false;
    for (qsizetype i = 0; i < m_layout.boxes.size(); ++i) {
        composed.append(box(i, position, values.value(i), m_layout.boxes[i].font.pointSize));
        cut = cut || composed.last().cut;
    }
    if (cut && m_layout.shrinkToFit) {
        for (qsizetype i = 0; i < composed.size(); ++i)
            shrink(composed[i], i, position);
    }
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

// Judged against the stored box: a box that stretches past it runs into
// the boxes below it.
ComposedTextBox LabelComposer::box(qsizetype index, const QPointF &position, const QString &text, int pointSize) const
{
    const TextBoxTemplate &stored = m_layout.boxes[index];
    ComposedTextBox composed{stored.name, stored.rect.translated(position), stored.font, stored.alignment, text, {}};
    composed.font.pointSize = pointSize;
    const QRectF onPaper = composed.rect.translated(m_paperOffset);
    const LineBreaker &lines = breaker(index, pointSize);
    composed.lines = lines.lines(text, onPaper);
    composed.cut = !lines.fits(composed.lines, onPaper);
    return composed;
}

// The largest whole size below the styled one at which the box fits; the
// smallest allowed when none does.
void LabelComposer::shrink(ComposedTextBox &composed, qsizetype index, const QPointF &position) const
{
    for (int size = composed.font.pointSize - 1; composed.cut && size >= SmallestShrunkSize; --size)
        composed = box(index, position, composed.text, size);
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
