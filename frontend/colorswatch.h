#pragma once

class QPainter;
class QRect;

namespace ColorSwatch {

// Fills rect with the colour of a WinColor value inside a thin frame; a
// value without a colour shows as a white swatch crossed out in red.
void paint(QPainter &painter, const QRect &rect, int value);

} // namespace ColorSwatch
