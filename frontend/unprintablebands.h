#pragma once

#include "composition/composedpage.h"

#include <QList>
#include <QMarginsF>
#include <QString>

// The bands along the paper's edges that a printer cannot reach, and the
// label text that falls into them.
namespace UnprintableBands {

enum class Edge { Top, Bottom, Left, Right };

struct Overlap {
    Edge edge;
    double bandMm = 0;
    QList<int> lines; // label rows (top, bottom) or columns (left, right), 1 upward
};

// Only the bands that hold some label's text; the others are left out.
QList<Overlap> overlaps(const QList<ComposedPage> &sheets, const QMarginsF &unreachableMm);

// The question put before printing, naming each band with its rows or columns.
QString question(const QList<Overlap> &overlaps);

} // namespace UnprintableBands
