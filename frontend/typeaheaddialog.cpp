#include "frontend/typeaheaddialog.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {

bool isTyping(QEvent::Type type)
{
    return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::InputMethod;
}

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::Close:
        return true;
    default:
        return isTyping(type);
    }
}

} // namespace

TypeAheadDialog::TypeAheadDialog(QDialog &dialog)
    : QObject(&dialog)
    , m_dialog(dialog)
{
    qApp->installEventFilter(this);
}

int TypeAheadDialog::exec()
{
    QEventLoop loop;
    m_dialog.setResult(0);
    m_loop = &loop;
    m_dialog.show();
    if (m_dialog.isVisible())
        loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
    return m_dialog.result();
}

bool TypeAheadDialog::isDialogWindow(const QWindow *window) const
{
    // The dialog's own window and the popups and boxes it opens.
    for (; window; window = window->transientParent()) {
        if (window == m_dialog.windowHandle())
            return true;
    }
    return false;
}

bool TypeAheadDialog::passOn(QObject *target, QEvent *event)
{
    if (target)
        QCoreApplication::sendEvent(target, event);
    return true;
}

// Another window's input while the dialog is open.
bool TypeAheadDialog::holdOff(QEvent *event)
{
    if (isTyping(event->type()))
        return passOn(m_dialog.focusWidget() ? m_dialog.focusWidget() : &m_dialog, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken as a key, so that no shortcut of that window fires; the key
        // itself then goes to the dialog.
        event->accept();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_dialog.raise();
        m_dialog.activateWindow();
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
        return true;
    case QEvent::Close:
        event->ignore();
        return true;
    default:
        return false;
    }
}

bool TypeAheadDialog::eventFilter(QObject *watched, QEvent *event)
{
    // A hide by the window system (minimising) leaves the dialog open.
    if (watched == &m_dialog && event->type() == QEvent::Hide && !event->spontaneous() && m_loop)
        m_loop->exit(m_dialog.result());
    if (!isInput(event->type()))
        return false;
    if (QGuiApplication::modalWindow())
        return false;
    // An input method commits its text straight to the widget it last saw
    // focused, not through the window: while the dialog is open, text sent
    // to another window's widget goes to the dialog as that window's keys do.
    if (auto *widget = qobject_cast<QWidget *>(watched);
        widget && m_loop && event->type() == QEvent::InputMethod)
        return !isDialogWindow(widget->window()->windowHandle()) && holdOff(event);
    auto *window = qobject_cast<QWindow *>(watched);
    if (!window)
        return false;
    if (m_loop)
        return !isDialogWindow(window) && holdOff(event);
    if (window == m_dialog.windowHandle() && isTyping(event->type()) && m_dialog.parentWidget())
        return passOn(m_dialog.parentWidget()->window()->focusWidget(), event);
    return false;
}
