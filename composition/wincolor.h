#pragma once

#include <QColor>

#include <optional>

// Colours as the settings file keeps them: a signed 32-bit integer with red
// in the low byte, then green, then blue, as Windows encodes them.
namespace WinColor {

// "No colour" (Delphi's clNone).
inline constexpr int None = 536870911;

// The colour a value stands for; none when its high byte is not 0 (no
// colour, or a system colour this program does not know).
std::optional<QColor> toColor(int value);
int fromColor(const QColor &color);

// The ink a text box prints in: its colour, black when none was chosen. A
// value with a high byte set prints its low three bytes, as it always has.
QColor inkColor(int value);

} // namespace WinColor
