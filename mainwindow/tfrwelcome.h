#pragma once

#include <QWidget>

class QTimer;

// The splash window FrWelcome: one picture, no frame, centred on the screen.
// Its timer counts from creation, not from showing, and only ever hides it;
// so does any window but the main one taking the focus.
class TFrWelcome : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Interval = 5000;

    explicit TFrWelcome(QWidget *parent = nullptr);

    void tmr1Timer();
    QTimer *timer() const { return tmr1; }

private:
    QTimer *tmr1;
};
