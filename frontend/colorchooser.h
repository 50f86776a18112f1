#pragma once

#include <QAbstractButton>

class ColorPalettePopup;

// The colour field of a text style panel: a drop-down button showing a
// swatch, opening a grid of fixed plain colours. The value is a WinColor
// integer; WinColor::None (the initial value) shows a crossed-out swatch.
// Any integer can be set and is kept as set; one whose high byte is not 0
// shows as no colour. colorPicked() is emitted for each pick by the user,
// never by setValue().
class ColorChooser : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ColorChooser(QWidget *parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void colorPicked(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openPalette();
    void pick(int value);
    QString describe() const;

    int m_value;
    ColorPalettePopup *m_palette = nullptr;
};
