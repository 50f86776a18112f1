#include "composition/composer.h"

#include "composition/labelcomposer.h"
#include "composition/reportunits.h"

#include <algorithm>

namespace {

// A row whose bottom comes this close to the page bottom no longer fits.
constexpr double Tolerance = 0.0001;

double pageHeight(const ReportPage &page)
{
    return ReportUnits::fromMm(page.paperHeightMm - page.topMarginMm - page.bottomMarginMm);
}

// One run: the cursor of a banded page that repeats one data band per
// record in columns.
class PageComposer
{
public:
    PageComposer(const LabelTemplate &layout, RecordFeed &feed);

    bool rowFits() const { return m_pageHeight - m_layout.masterData1.height > Tolerance; }
    QList<ComposedPage> run();

private:
    PlacedLabel composeLabel();
    void columnStep();
    void setColumn(int column);
    void moveRowToNewPage();
    ComposedPage &currentPage() { return m_pages.last(); }
    void startPage()
    {
        m_pages.append(ComposedPage{m_layout.page1, {}, {m_band.columnWidth, m_band.height}, {}});
    }

    const LabelTemplate &m_layout;
    const MasterDataBand &m_band;
    RecordFeed &m_feed;
    LabelComposer m_labels;
    double m_pageHeight;
    QList<ComposedPage> m_pages;
    double m_curX = 0;
    double m_curY = 0;
    int m_curColumn = 1;
    double m_rowTop = 0;
    double m_rowBottom = 0;
    qsizetype m_rowMark = 0; // labels on the page when the current row began
    int m_record = 0;
};

PageComposer::PageComposer(const LabelTemplate &layout, RecordFeed &feed)
    : m_layout(layout)
    , m_band(layout.masterData1)
    , m_feed(feed)
    , m_labels(layout)
    , m_pageHeight(pageHeight(layout.page1))
{ }

QList<ComposedPage> PageComposer::run()
{
    startPage();
    m_feed.first();
    setColumn(1);
    while (!m_feed.atEnd()) {
        if (m_curColumn == 1)
            m_rowMark = currentPage().labels.size();
        m_rowTop = m_curY;
        currentPage().labels.append(composeLabel());
        m_curY += m_band.height;
        columnStep();
        m_feed.next();
    }
    // Closes a last row of fewer labels than columns, checked like a full one.
    m_curColumn = m_band.columns;
    columnStep();
    return m_pages;
}

PlacedLabel PageComposer::composeLabel()
{
    PlacedLabel label{++m_record,
                      m_curColumn,
                      QPointF((m_curColumn - 1) * m_band.columnPitch() + m_curX, m_curY),
                      {}};
    QStringList values;
    for (const TextBoxTemplate &box : m_layout.boxes)
        values.append(m_feed.value(box.field).value_or(QString()));
    label.boxes = m_labels.boxes(label.position, values);
    return label;
}

void PageComposer::columnStep()
{
    m_rowBottom = std::max(m_rowBottom, m_curY);
    if (m_curColumn < m_band.columns) {
        m_curY = m_rowTop;
    } else if (m_pageHeight - m_rowBottom > Tolerance) {
        m_curY = m_rowBottom;
    } else {
        moveRowToNewPage();
        m_curY += m_rowBottom - m_rowTop;
    }
    setColumn(m_curColumn + 1);
}

void PageComposer::setColumn(int column)
{
    m_curColumn = column > m_band.columns ? 1 : column;
    if (m_curColumn == 1)
        m_rowBottom = 0;
}

// The row reappears whole at the top of a new page, its first label at the
// page origin and the others at their distances from it.
void PageComposer::moveRowToNewPage()
{
    QList<PlacedLabel> row = currentPage().labels.mid(m_rowMark);
    currentPage().labels.resize(m_rowMark);
    startPage();
    m_curY = 0;
    Q_ASSERT(!row.isEmpty());
    const QPointF shift = QPointF(m_curX, m_curY) - row.constFirst().position;
    for (PlacedLabel &label : row) {
        label.position += shift;
        for (ComposedTextBox &box : label.boxes)
            box.rect.translate(shift);
    }
    currentPage().labels = row;
}

} // namespace

Composition composeLabelPages(const LabelTemplate &prepared, RecordFeed &feed)
{
    PageComposer composer(prepared, feed);
    // Checked before the feed is touched: otherwise every row would move to
    // a page of its own, still reaching past its bottom, between an empty
    // first and an empty last page.
    if (!composer.rowFits())
        return {CompositionStatus::NoRowFits, {}};
    return {CompositionStatus::Composed, composer.run()};
}
