#include "mainwindow/memocell.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int MarkWidth = 2;

// The cell background with a tint of the selection colour: the text stays
// as readable as on a plain cell.
QColor tinted(const QColor &base, const QColor &tint)
{
    constexpr double share = 0.25;
    return QColor::fromRgbF(float(base.redF() * (1 - share) + tint.redF() * share),
                            float(base.greenF() * (1 - share) + tint.greenF() * share),
                            float(base.blueF() * (1 - share) + tint.blueF() * share));
}

} // namespace

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
    setFocusPolicy(Qt::NoFocus);
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

bool MemoCell::hasText() const
{
    return std::any_of(m_lines.begin(), m_lines.end(), [](const QString &line) { return !line.isEmpty(); });
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

void MemoCell::setMark(Mark mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    viewport()->update();
}

void MemoCell::paintEvent(QPaintEvent *event)
{
    if (m_mark != Mark::None) {
        QPainter background(viewport());
        background.fillRect(viewport()->rect(), tinted(palette().color(QPalette::Base), palette().color(QPalette::Highlight)));
    }
    QPlainTextEdit::paintEvent(event);
    if (m_mark == Mark::None)
        return;
    QPainter painter(viewport());
    const QColor edge = m_mark == Mark::Current ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    painter.setPen(QPen(edge, MarkWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(viewport()->rect()).adjusted(MarkWidth / 2.0, MarkWidth / 2.0, -MarkWidth / 2.0, -MarkWidth / 2.0));
}
