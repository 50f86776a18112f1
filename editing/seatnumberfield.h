#pragma once

#include <QAbstractSpinBox>

// The row and number fields of the seat page (edt6, edt7): a spin field of
// 0..100 that also holds whatever text a reopened seat line put into it.
// The text is read as a whole number only when asked for (empty or not a
// number is 0); a typed value outside 0..100 is brought to the nearer bound
// when the field loses the focus.
class SeatNumberField : public QAbstractSpinBox
{
    Q_OBJECT

public:
    explicit SeatNumberField(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    int value() const;

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void focusOutEvent(QFocusEvent *event) override;
};
