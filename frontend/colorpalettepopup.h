#pragma once

#include <QFrame>

class QButtonGroup;

// The drop-down of the colour chooser: a grid of palette swatches, each
// with its Chinese name as tooltip. Arrow keys move between swatches,
// Enter or Space or a click picks one, Esc or a click outside closes.
class ColorPalettePopup : public QFrame
{
    Q_OBJECT

public:
    explicit ColorPalettePopup(QWidget *parent);

    // Shows the grid below anchor (above it when there is no room), with
    // the swatch of currentValue marked and focused.
    void popUp(const QWidget *anchor, int currentValue);

Q_SIGNALS:
    void picked(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addSwatch(int index);
    void markCurrent(int currentValue);
    void placeAt(const QWidget *anchor);
    void moveFocus(int index);

    QButtonGroup *m_swatches;
};
