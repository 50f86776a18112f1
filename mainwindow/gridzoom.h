#pragma once

#include <QRect>
#include <QSize>

// Zooming the cell grid scales edges, not sizes: every left/top and
// right/bottom edge is multiplied and rounded on its own, so cells keep
// tiling without gaps. Halves round up, as the sizes 121.5 -> 122 show.
namespace GridZoom {

constexpr int ZoomOutNumerator = 90;
constexpr int ZoomInNumerator = 110;
constexpr int Denominator = 100;

int scaleEdge(int edge, int numerator, int denominator);
QRect scaleRect(const QRect &rect, int numerator, int denominator);
QSize scaleSize(const QSize &size, int numerator, int denominator);
// A font never shrinks below one point.
int scaleFontPoints(int points, int numerator, int denominator);

} // namespace GridZoom
