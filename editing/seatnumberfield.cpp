#include "editing/seatnumberfield.h"

#include "sheet/seattext.h"

#include <QLineEdit>
#include <QRegularExpression>

SeatNumberField::SeatNumberField(QWidget *parent)
    : QAbstractSpinBox(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

QString SeatNumberField::text() const
{
    return lineEdit()->text();
}

void SeatNumberField::setText(const QString &text)
{
    // As it is: a reopened seat line may put anything here.
    lineEdit()->setText(text);
}

int SeatNumberField::value() const
{
    return SeatText::fieldValue(text());
}

void SeatNumberField::stepBy(int steps)
{
    const int stepped = std::clamp(value() + steps, 0, SeatText::MaxFieldValue);
    lineEdit()->setText(QString::number(stepped));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SeatNumberField::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < SeatText::MaxFieldValue)
        enabled |= StepUpEnabled;
    if (value() > 0)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State SeatNumberField::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    // Typing takes digits and a leading sign.
    static const QRegularExpression typed(QStringLiteral("^[+-]?[0-9]*$"));
    return typed.match(input).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

void SeatNumberField::focusOutEvent(QFocusEvent *event)
{
    bool isNumber = false;
    const long long typed = text().trimmed().toLongLong(&isNumber);
    if (isNumber && (typed < 0 || typed > SeatText::MaxFieldValue))
        lineEdit()->setText(QString::number(value()));
    QAbstractSpinBox::focusOutEvent(event);
}
