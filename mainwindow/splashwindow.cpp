#include "mainwindow/splashwindow.h"

#include "frontend/pictures.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("FrWelcome"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(394, 192);

    auto *rzpnl1 = new QFrame(this);
    rzpnl1->setObjectName(QStringLiteral("rzpnl1"));
    rzpnl1->setFrameStyle(QFrame::Box | QFrame::Plain);
    rzpnl1->setLineWidth(2);
    rzpnl1->setGeometry(rect());
    auto *img1 = new QLabel(rzpnl1);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(2, 2, 390, 188);
    img1->setPixmap(Pictures::splash());

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    m_timer->setInterval(Interval);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::timeUp);
    m_timer->start();

    // A splash stays above ordinary windows: a message or dialog opening
    // while it shows would wait behind it, unseen. It gives way instead.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focused) {
        const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
        if (focused && isVisible() && focused != windowHandle()
            && (!owner || focused != owner->windowHandle()))
            hide();
    });
}

void SplashWindow::timeUp()
{
    hide();
}
