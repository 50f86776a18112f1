#pragma once

#include <QWidget>

class QTimer;

// The splash window: one picture, no frame, centred on the screen.
// Its timer counts from creation, not from showing, and only ever hides it;
// so does any window but the main one taking the focus.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Interval = 5000;

    explicit SplashWindow(QWidget *parent = nullptr);

    void timeUp();
    QTimer *timer() const { return m_timer; }

private:
    QTimer *m_timer;
};
