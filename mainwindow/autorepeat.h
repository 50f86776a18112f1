#pragma once

class QAbstractButton;

namespace AutoRepeat {
// Held down, the button repeats after 400 ms and then every 100 ms.
void configure(QAbstractButton *button);
}
