#pragma once

class QAbstractButton;

// The one auto-repeat timing of the program's page and zoom buttons: the
// first repeat 400 ms after the press, then one every 100 ms (Qt's own
// default delay is 300 ms).
namespace AutoRepeat {

inline constexpr int DelayMs = 400;
inline constexpr int IntervalMs = 100;

// Makes the button repeat its click while held down, with that timing.
void apply(QAbstractButton *button);

} // namespace AutoRepeat
