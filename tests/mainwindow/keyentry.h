#pragma once

// The main window driven from the keyboard as a user drives it, for the
// tests of entry and of fills.
#include "editing/labeldialog.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "sheet/sheetpage.h"
#include "tests/common/hangguard.h"
#include "tests/common/startedwindow.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

// The started window in a folder whose sys.ini selects `kind`, driven by
// keys as a user drives it.
struct Session : StartedWindow {
    explicit Session(int kind, const WorkDir::Files &files = {})
        : StartedWindow(WorkDir::Files{StartedWindow::kind(kind)} + files)
    { }
    CellGrid *grid() const { return window.grid(); }
    QStringList lines(int cell) const { return grid()->cell(cell)->lines(); }
    QString name(int cell) const { return grid()->cell(cell)->line(0); }
    // A key press where the focus is, once the window is active again
    // after a dialog.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), Qt::Key(key), modifiers);
    }
    // The offscreen platform has no window manager to give the activation
    // back when a dialog closes; this does what one does.
    QWidget *focus()
    {
        if (!window.isActiveWindow())
            window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("main window not active");
        return QApplication::focusWidget();
    }
    // Makes `cell` current with the keys: Ctrl+Home, then Down and Right.
    void goTo(int cell)
    {
        key(Qt::Key_Home, Qt::ControlModifier);
        for (int row = 0; row < SheetPage::cellRow(cell); ++row)
            key(Qt::Key_Down);
        for (int column = 0; column < SheetPage::cellColumn(cell); ++column)
            key(Qt::Key_Right);
    }
    QByteArray page(int number) const
    {
        return dir.read(QStringLiteral("%1%2.ini").arg(window.kindStem()).arg(number));
    }
};

// Runs `answer` inside the dialog once it is open and active; the
// dialog is closed (rejected) if the answer left it open. Gives up after a
// few seconds, leaving `ran` false.
class DialogAnswer
{
public:
    explicit DialogAnswer(std::function<void(QDialog *dialog)> answer)
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this, answer] {
            if (++m_polls > 500)
                m_poll.stop();
            // The editing dialog blocks the main window itself, not as a
            // Qt modal window (see TypeAheadDialog).
            QWidget *top = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                             : QApplication::activeWindow();
            auto *dialog = qobject_cast<QDialog *>(top);
            if (!dialog || !dialog->isActiveWindow())
                return;
            m_poll.stop();
            ran = true;
            answer(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        m_poll.start();
    }
    // The editing dialog, answered in the field that has the focus.
    DialogAnswer(LabelDialog &, std::function<void(QWidget *focus)> answer)
        : DialogAnswer([answer](QDialog *dialog) { answer(dialog->focusWidget()); })
    { }
    bool ran = false;

private:
    QTimer m_poll;
    int m_polls = 0;
};

// Key presses that carry Chinese text, as a keyboard layout sends them.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void typeAndConfirm(QWidget *focus, const QString &text)
{
    typeText(focus, text);
    QTest::keyClick(focus, Qt::Key_Return);
}

inline QByteArray section(int cell, const QString &line0)
{
    return QStringLiteral("[%1]\r\n0=%2\r\n").arg(cell).arg(line0).toUtf8();
}

// Key presses that carry text, sent to a window as the window system sends
// them (not to a widget).
inline void typeIntoWindow(QWindow *window, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// For typing into the editing dialog through the window system, where a
// lost key leaves it open: after two seconds it is closed, so that the test
// fails on what it checks; a dialog whose loop still runs three seconds
// later ends the test program, whatever keeps it running.
class OpenDialogGuard
{
public:
    explicit OpenDialogGuard(LabelDialog &editor)
    {
        m_close.setSingleShot(true);
        QObject::connect(&m_close, &QTimer::timeout, &editor, [&editor] { editor.reject(); });
        m_close.start(2000);
    }

private:
    QTimer m_close;
    HangGuard m_hang{std::chrono::seconds(5), "the editing dialog kept running"};
};
