#pragma once

#include "composition/labeltemplate.h"

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

// One composed output page, plain data handed from the composer to every
// output (preview, printer, PDF, thumbnails). Positions are report units
// from the page origin, which lies at the left and top margin.

struct ComposedTextBox {
    QString name; // Memo1 to Memo3
    QRectF rect; // height after stretching
    TextStyle font;
    Qt::Alignment alignment;
    QString text; // as the feed gave it
    QStringList lines; // broken on the 96 dpi text area, the same on every device
    bool cut = false; // the lines reach past the stored box or past its width
};

struct PlacedLabel {
    int record = 0; // 1 upward, in feed order
    int column = 0; // 1 to the band's column count
    QPointF position; // top left corner
    QList<ComposedTextBox> boxes;

    // Some of its text is cut off or runs into another box when printed.
    bool isCut() const;
};

// A short text centred on a point, such as a label's number on a check sheet.
struct CentredFigure {
    QString text;
    QPointF centre;
    double pointSize = 0;
};

// Hairlines and figures drawn over the labels, for checking where labels
// land rather than for the labels themselves.
struct PageMarks {
    QColor colour = Qt::black;
    QList<QRectF> outlines;
    QList<QLineF> lines;
    QList<CentredFigure> figures;

    bool isEmpty() const { return outlines.isEmpty() && lines.isEmpty() && figures.isEmpty(); }
};

struct ComposedPage {
    ReportPage paper; // paper size, code and the margins of the run
    QList<PlacedLabel> labels;
    QSizeF labelSize; // every label's box: one band column by the band height
    PageMarks marks;

    int cutLabelCount() const;
};

// A label's own box on the page: its position and the page's label size.
QRectF labelBox(const ComposedPage &page, const PlacedLabel &label);

// Where a position on the page lies, in millimetres from the paper's top
// left corner.
QPointF millimetresFromPaperCorner(const ComposedPage &page, const QPointF &units);
