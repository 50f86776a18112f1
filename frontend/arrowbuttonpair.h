#pragma once

#include <QWidget>

class QToolButton;

// Two auto-repeating arrow buttons side by side, 46 x 25 in all: a left
// arrow and a right arrow. Holding one down emits its signal once per
// repeat step (AutoRepeat timing); releasing over it counts as one more.
class ArrowButtonPair : public QWidget
{
    Q_OBJECT

public:
    explicit ArrowButtonPair(QWidget *parent = nullptr);

    // For tooltips and accessible names, which depend on what the pair does.
    QToolButton *leftButton() const { return m_left; }
    QToolButton *rightButton() const { return m_right; }

Q_SIGNALS:
    void leftClicked();
    void rightClicked();

private:
    QToolButton *makeArrow(Qt::ArrowType arrow);

    QToolButton *m_left;
    QToolButton *m_right;
};
