#include "frontend/sizespinbox.h"

#include <QLineEdit>
#include <QWheelEvent>

SizeSpinBox::SizeSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    setRange(0, 100);
    setValue(20);
    setSingleStep(1);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFocusPolicy(Qt::StrongFocus);
    // Only the text is read-only: QAbstractSpinBox::setReadOnly would also
    // stop the arrows and keys. Page Up/Down step ten single steps already.
    lineEdit()->setReadOnly(true);
}

void SizeSpinBox::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QSpinBox::wheelEvent(event);
}
