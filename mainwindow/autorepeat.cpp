#include "autorepeat.h"

#include <QAbstractButton>

namespace AutoRepeat {
void configure(QAbstractButton *button)
{
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(100);
}
}
