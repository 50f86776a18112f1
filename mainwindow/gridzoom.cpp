#include "mainwindow/gridzoom.h"

#include <algorithm>

namespace GridZoom {

int scaleEdge(int edge, int numerator, int denominator)
{
    // Integer arithmetic: 607.5 must round to 608 exactly, whatever the
    // floating point error of 0.9.
    const long long scaled = 2LL * edge * numerator;
    const long long twice = 2LL * denominator;
    if (scaled >= 0)
        return int((scaled + denominator) / twice);
    return -int((-scaled + denominator) / twice);
}

QRect scaleRect(const QRect &rect, int numerator, int denominator)
{
    const int left = scaleEdge(rect.left(), numerator, denominator);
    const int top = scaleEdge(rect.top(), numerator, denominator);
    const int right = scaleEdge(rect.left() + rect.width(), numerator, denominator);
    const int bottom = scaleEdge(rect.top() + rect.height(), numerator, denominator);
    return QRect(left, top, right - left, bottom - top);
}

QSize scaleSize(const QSize &size, int numerator, int denominator)
{
    return scaleRect(QRect(QPoint(0, 0), size), numerator, denominator).size();
}

int scaleFontPoints(int points, int numerator, int denominator)
{
    return std::max(1, scaleEdge(points, numerator, denominator));
}

} // namespace GridZoom
