#include "mainwindow/windowplacement.h"

#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace {

// The frame a window manager adds, before the window has one.
QMargins estimatedFrame(const QWidget *window)
{
    const int border = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {border, title + border, border, border};
}

// A window manager may tell the frame only some time after the window
// shows; until then the estimate stands in.
QMargins frameOf(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    return window->isVisible() && !frame.isNull() ? frame : estimatedFrame(window);
}

void place(QWidget *window, const QSize &inner, const QMargins &frame)
{
    const QRect available = window->screen()->availableGeometry();
    const QSize size =
        inner.boundedTo(available.size().shrunkBy(frame)).expandedTo(window->minimumSize());
    window->resize(size);
    const QSize outer = size.grownBy(frame);
    window->move(available.left() + (available.width() - outer.width()) / 2,
                 available.top() + (available.height() - outer.height()) / 2);
}

} // namespace

namespace WindowPlacement {

void fitAndCentre(QWidget *window, const QSize &preferred)
{
    if (window->isMaximized() || window->isFullScreen())
        return;
    place(window, preferred, frameOf(window));
}

} // namespace WindowPlacement
