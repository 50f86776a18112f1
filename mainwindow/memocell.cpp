#include "mainwindow/memocell.h"

#include <QKeyEvent>
#include <QMouseEvent>

MemoCell::MemoCell(int number, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_number(number)
{
    setObjectName(QStringLiteral("mmo%1").arg(number));
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setContextMenuPolicy(Qt::NoContextMenu);
    setCursor(Qt::PointingHandCursor);
    viewport()->setCursor(Qt::PointingHandCursor);
    document()->setDocumentMargin(2);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    setPalette(colours);
}

QString MemoCell::line(int index) const
{
    return index >= 0 && index < m_lines.size() ? m_lines[index] : QString();
}

void MemoCell::setLines(const QStringList &lines)
{
    m_lines = lines;
    setPlainText(lines.join(QLatin1Char('\n')));
}

void MemoCell::focusTop()
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void MemoCell::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked(m_number);
}

void MemoCell::keyPressEvent(QKeyEvent *event)
{
    // The keyboard opens a cell as a click does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        Q_EMIT clicked(m_number);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
