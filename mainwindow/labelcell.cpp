#include "mainwindow/labelcell.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int MarkWidth = 2;
// Between the frame and the text, as a text document's margin.
constexpr int TextMargin = 2;

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

LabelCell::LabelCell(int number, QWidget *parent)
    : QFrame(parent)
    , m_number(number)
{
    setObjectName(QStringLiteral("mmo%1").arg(number));
    setAccessibleDescription(QStringLiteral("第 %1 張標籤").arg(number));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    setPalette(colours);
}

QString LabelCell::line(int index) const
{
    return index >= 0 && index < m_lines.size() ? m_lines[index] : QString();
}

bool LabelCell::hasText() const
{
    return std::any_of(m_lines.begin(), m_lines.end(),
                       [](const QString &line) { return !line.isEmpty(); });
}

void LabelCell::setLines(const QStringList &lines)
{
    if (lines == m_lines && !m_selected)
        return;
    m_lines = lines;
    m_selected = false;
    // What a screen reader reads out, as the cell draws its text itself:
    // the lines that hold something.
    QStringList spoken = lines;
    spoken.removeAll(QString());
    setAccessibleName(spoken.join(u'\n'));
    update();
}

void LabelCell::focusTop()
{
    if (!m_selected)
        return;
    m_selected = false;
    update();
}

void LabelCell::selectAll()
{
    m_selected = true;
    update();
}

void LabelCell::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked(m_number);
}

void LabelCell::setMark(Mark mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    // A found label's selection lasts while it is the current cell.
    if (mark == Mark::None)
        m_selected = false;
    update();
}

void LabelCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor base = palette().color(QPalette::Base);
    painter.fillRect(
        rect(), m_mark == Mark::None ? base : tinted(base, palette().color(QPalette::Highlight)));
    paintLines(painter);
    drawFrame(&painter);
    if (m_mark == Mark::None)
        return;
    const QColor edge = m_mark == Mark::Current ? palette().color(QPalette::Highlight)
                                                : palette().color(QPalette::Mid);
    painter.setPen(QPen(edge, MarkWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(
        QRectF(contentsRect())
            .adjusted(MarkWidth / 2.0, MarkWidth / 2.0, -MarkWidth / 2.0, -MarkWidth / 2.0));
}

void LabelCell::paintLines(QPainter &painter) const
{
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(m_selected ? QPalette::HighlightedText : QPalette::Text));
    const QFontMetrics metrics(font());
    QPoint at = area.topLeft() + QPoint(TextMargin, TextMargin);
    for (const QString &text : m_lines) {
        if (at.y() >= area.bottom())
            break;
        if (m_selected)
            painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())),
                             palette().color(QPalette::Highlight));
        painter.drawText(at.x(), at.y() + metrics.ascent(), text);
        at.ry() += metrics.height();
    }
    painter.setClipping(false);
}
