#pragma once

#include "composition/composedpage.h"

#include <QAbstractScrollArea>
#include <QSizeF>

#include <functional>
#include <utility>
#include <vector>

// Sheets of paper one below another, at their true size at zoom 1. A sheet
// is composed and drawn only when it comes into view, and only the few last
// drawn are kept, so that a run of hundreds of sheets takes no more memory
// than a screenful.
class SheetView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Sheet `number` (1 upward), as it is to be drawn.
    using SheetAt = std::function<ComposedPage(int number)>;

    explicit SheetView(QWidget *parent = nullptr);

    // New contents: `count` sheets of `paperMm`, shown from the first.
    void setSheets(int count, QSizeF paperMm, SheetAt sheetAt);
    // The same sheets, composed and drawn afresh.
    void redraw();

    int sheetCount() const { return m_count; }
    // The sheet last shown by showSheet, or after scrolling the one that
    // fills most of the view.
    int currentSheet() const { return m_current; }
    // Scrolls to the top of `number` (clamped to the sheets).
    void showSheet(int number);

    double zoomFactor() const { return m_zoom; }
    void setZoomFactor(double zoom);
    void zoomIn();
    void zoomOut();
    // A sheet as wide as the view, or whole in it; kept when the view resizes.
    void fitToWidth();
    void fitInView();

Q_SIGNALS:
    void currentSheetChanged(int number);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    enum class Fit { None, Width, Whole };

    QSizeF sheetSize() const;
    double sheetTop(int number) const;
    QRectF sheetRect(int number) const;
    void applyZoom(double zoom);
    void applyFit();
    void updateScrollBars();
    int sheetFillingView() const;
    void setCurrent(int number);
    const ComposedPage &composed(int number);

    int m_count = 0;
    QSizeF m_paperMm;
    SheetAt m_sheetAt;
    double m_zoom = 1.0;
    Fit m_fit = Fit::None;
    int m_current = 1;
    bool m_scrollingTo = false;
    std::vector<std::pair<int, ComposedPage>> m_recent; // newest last
};
