#include "frontend/sheetview.h"

#include "composition/pagedrawing.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Gap = 16; // pixels around and between sheets
constexpr int KeptSheets = 6; // composed sheets kept for repainting
constexpr double ZoomStep = 1.25;
constexpr double MinZoom = 0.1;
constexpr double MaxZoom = 8.0;

} // namespace

SheetView::SheetView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void SheetView::setSheets(int count, QSizeF paperMm, SheetAt sheetAt)
{
    m_count = std::max(count, 0);
    m_paperMm = paperMm;
    m_sheetAt = std::move(sheetAt);
    m_recent.clear();
    applyFit();
    updateScrollBars();
    showSheet(1);
    viewport()->update();
}

void SheetView::redraw()
{
    m_recent.clear();
    viewport()->update();
}

QSizeF SheetView::sheetSize() const
{
    // The screen's inch is the paper's: zoom 1 is the true size.
    constexpr double MmPerInch = 25.4;
    return {m_paperMm.width() / MmPerInch * logicalDpiX() * m_zoom,
            m_paperMm.height() / MmPerInch * logicalDpiY() * m_zoom};
}

double SheetView::sheetTop(int number) const
{
    return Gap + (number - 1) * (sheetSize().height() + Gap);
}

QRectF SheetView::sheetRect(int number) const
{
    const QSizeF size = sheetSize();
    const double left = std::max<double>(Gap, (viewport()->width() - size.width()) / 2);
    return {QPointF(left - horizontalScrollBar()->value(),
                    sheetTop(number) - verticalScrollBar()->value()),
            size};
}

void SheetView::updateScrollBars()
{
    const QSizeF size = sheetSize();
    const int width = int(std::ceil(size.width())) + 2 * Gap;
    const int height = int(std::ceil(sheetTop(m_count + 1)));
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(std::max(1, int(size.height() / 20)));
    horizontalScrollBar()->setSingleStep(std::max(1, int(size.width() / 20)));
}

void SheetView::showSheet(int number)
{
    m_scrollingTo = true;
    verticalScrollBar()->setValue(int(sheetTop(std::clamp(number, 1, std::max(1, m_count)))) - Gap);
    m_scrollingTo = false;
    setCurrent(std::clamp(number, 1, std::max(1, m_count)));
}

void SheetView::setCurrent(int number)
{
    if (number == m_current)
        return;
    m_current = number;
    Q_EMIT currentSheetChanged(number);
}

int SheetView::sheetFillingView() const
{
    const double step = sheetSize().height() + Gap;
    const double top = verticalScrollBar()->value();
    const double bottom = top + viewport()->height();
    int best = 1;
    double bestShown = -1;
    for (int number = std::max(1, int((top - Gap) / step) + 1); number <= m_count; ++number) {
        const double sheetTopY = sheetTop(number);
        if (sheetTopY >= bottom)
            break;
        const double shown =
            std::min(bottom, sheetTopY + sheetSize().height()) - std::max(top, sheetTopY);
        if (shown > bestShown) {
            best = number;
            bestShown = shown;
        }
    }
    return best;
}

void SheetView::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
    if (!m_scrollingTo)
        setCurrent(sheetFillingView());
}

void SheetView::setZoomFactor(double zoom)
{
    m_fit = Fit::None;
    applyZoom(zoom);
}

void SheetView::zoomIn()
{
    setZoomFactor(m_zoom * ZoomStep);
}

void SheetView::zoomOut()
{
    setZoomFactor(m_zoom / ZoomStep);
}

void SheetView::fitToWidth()
{
    m_fit = Fit::Width;
    applyFit();
}

void SheetView::fitInView()
{
    m_fit = Fit::Whole;
    applyFit();
}

void SheetView::applyFit()
{
    if (m_fit == Fit::None)
        return;
    const QSizeF atOne = sheetSize() / m_zoom;
    const double across = (viewport()->width() - 2.0 * Gap) / atOne.width();
    const double down = (viewport()->height() - 2.0 * Gap) / atOne.height();
    applyZoom(m_fit == Fit::Width ? across : std::min(across, down));
}

void SheetView::applyZoom(double zoom)
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == m_zoom)
        return;
    // The sheet shown stays in view, at the same place within it.
    const double step = sheetSize().height() + Gap;
    const double within = (verticalScrollBar()->value() - (sheetTop(m_current) - Gap)) / step;
    m_zoom = zoom;
    updateScrollBars();
    m_scrollingTo = true;
    verticalScrollBar()->setValue(
        int(sheetTop(m_current) - Gap + within * (sheetSize().height() + Gap)));
    m_scrollingTo = false;
    viewport()->update();
}

void SheetView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    applyFit();
    updateScrollBars();
}

const ComposedPage &SheetView::composed(int number)
{
    const auto found = std::find_if(m_recent.begin(), m_recent.end(),
                                    [number](const auto &kept) { return kept.first == number; });
    if (found != m_recent.end()) {
        std::rotate(found, found + 1, m_recent.end());
        return m_recent.back().second;
    }
    if (int(m_recent.size()) == KeptSheets)
        m_recent.erase(m_recent.begin());
    m_recent.emplace_back(number, m_sheetAt(number));
    return m_recent.back().second;
}

void SheetView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRect dirty = event->rect();
    for (int number = 1; number <= m_count && m_sheetAt; ++number) {
        const QRectF sheet = sheetRect(number);
        if (sheet.bottom() < dirty.top())
            continue;
        if (sheet.top() > dirty.bottom())
            break;
        painter.fillRect(sheet.translated(3, 3), palette().shadow());
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.setClipRect(sheet);
        painter.translate(sheet.topLeft());
        painter.scale(m_zoom, m_zoom);
        drawComposedPage(painter, composed(number));
        painter.restore();
    }
}
