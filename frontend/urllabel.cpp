#include "frontend/urllabel.h"

#include "frontend/desktopopener.h"

#include <QMouseEvent>

UrlLabel::UrlLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    applyColour();
}

QString UrlLabel::target() const
{
    const QString trimmed = m_url.trimmed();
    return trimmed.isEmpty() ? text() : trimmed;
}

void UrlLabel::open()
{
    const QString address = target();
    if (address.isEmpty() || !DesktopOpener::open(address))
        return;
    m_visited = true;
    applyColour();
}

void UrlLabel::applyColour()
{
    QPalette colours = palette();
    const QColor unvisited = QPalette().color(QPalette::Highlight);
    colours.setColor(QPalette::WindowText, m_visited ? QColor(0x80, 0x00, 0x80) : unvisited);
    setPalette(colours);
}

void UrlLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        open();
}
