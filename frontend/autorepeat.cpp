#include "frontend/autorepeat.h"

#include <QAbstractButton>

namespace AutoRepeat {

void apply(QAbstractButton *button)
{
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(DelayMs);
    button->setAutoRepeatInterval(IntervalMs);
}

} // namespace AutoRepeat
