#pragma once

#include <QObject>

class QDialog;
class QEventLoop;
class QWindow;

// Keeps the keys a fast typist sends while a dialog opens and closes.
// A window manager hands the keyboard to a newly shown window a moment
// after it appears, and back to the main window a moment after it closes;
// keys typed meanwhile still arrive at the window that had it. Qt drops keys
// sent to a window that a modal dialog blocks, so the first characters of a
// name typed straight after the key that opened the dialog were lost. This
// runs the dialog without Qt's blocking and blocks the other windows itself:
// - while the dialog is open, keys and input-method text sent to another
//   window, and input-method text sent to its widgets, go to the dialog's
//   focus widget; that window's clicks, wheel and close requests are ignored;
// - while it is closed, keys that still reach its window go to the focus
//   widget of the window it belongs to.
// A real modal window (a message box) blocks everything as usual.
class TypeAheadDialog : public QObject
{
public:
    // Watches `dialog` for as long as it lives.
    explicit TypeAheadDialog(QDialog &dialog);

    // Shows the dialog and returns its result once it is closed, as
    // QDialog::exec does.
    int exec();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isDialogWindow(const QWindow *window) const;
    bool holdOff(QEvent *event);
    bool passOn(QObject *target, QEvent *event);

    QDialog &m_dialog;
    QEventLoop *m_loop = nullptr;
};
