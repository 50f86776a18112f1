#pragma once

#include <QSpinBox>

// Font size field of a text style panel: 0 to 100, starting at 20. The
// value changes only by the arrows, the Up/Down keys (1) and Page Up/Down
// (10); the text cannot be typed over. valueChanged() is emitted for every
// change, also one made by setValue(), which clamps to 0..100. The mouse
// wheel steps the value only while the field has the focus.
class SizeSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit SizeSpinBox(QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};
