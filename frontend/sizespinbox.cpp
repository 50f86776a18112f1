#include "frontend/sizespinbox.h"

#include <QLineEdit>

SizeSpinBox::SizeSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    setRange(0, 100);
    setValue(20);
    setSingleStep(1);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Only the text is read-only: QAbstractSpinBox::setReadOnly would also
    // stop the arrows and keys. Page Up/Down step ten single steps already.
    lineEdit()->setReadOnly(true);
}
