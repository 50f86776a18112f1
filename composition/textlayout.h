#pragma once

#include "composition/textstyle.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QStringList>

// The rules that place text in a box, the same in the preview, on paper and
// when a box stretches. Sizes are report units unless they say dots.
namespace TextLayout {

constexpr double GapX = 2; // inner margin left and right
constexpr double GapY = 1; // inner margin top and bottom
constexpr double LineSpacing = 2; // after every line, the last included

// The size taken in whole dots at 600 dpi, so that the preview and the paper
// get the same character height.
int characterDotsAt600(int pointSize);
double characterHeight(int pointSize);
double linePitch(int pointSize);
// Height a stretching box needs for `lineCount` lines, in whole units.
double requiredHeight(int lineCount, int pointSize);

// A font of the style's character height on any device drawn at its own
// resolution; unhinted so widths scale with the resolution. Only for sizes
// with a character height: Qt keeps its default size for 0.
QFont labelFont(const TextStyle &style);

// The dots that may hold a box's glyphs: `box` in units from the paper
// corner, scaled and rounded, less the inner margins. The right and bottom
// limits lie one dot further out than the box's own edge less its margin.
QRect textArea(const QRectF &box, double dotsPerUnitX, double dotsPerUnitY);

// Word wrap of a one-line value: `advances` holds the width of every UTF-16
// unit of `text` (0 for the second half of a pair). A line ends after the
// last space that fits, dropping it, else before the first character that
// does not; it keeps at least one character. Empty text gives no lines.
QStringList breakLines(const QString &text, const QList<qreal> &advances, qreal width);

// Top of the first line of a block of `blockHeight` dots, and left of one
// line, by the box's alignment. A block taller than the area starts above it.
int blockTop(const QRect &area, qreal blockHeight, Qt::Alignment alignment);
int lineLeft(const QRect &area, qreal lineWidth, Qt::Alignment alignment);

} // namespace TextLayout
