#include "frontend/fontpreview.h"

#include <QPainter>
#include <QScreen>

FontPreview::FontPreview(QWidget *parent)
    : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setFixedSize(260, 65);
    setFrameShape(QFrame::Box);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::white);
    colors.setColor(QPalette::WindowText, Qt::black);
    setPalette(colors);
}

void FontPreview::setFamily(const QString &family)
{
    m_family = family;
    update();
}

void FontPreview::showBeside(const QRect &popupRect, int centreY)
{
    const QRect available = screen()->availableGeometry();
    int x = popupRect.right() + 2;
    if (x + width() > available.right())
        x = popupRect.left() - width() - 2;
    move(x, qBound(available.top(), centreY - height() / 2, available.bottom() - height()));
    show();
}

void FontPreview::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QFont font(m_family);
    font.setPointSize(36);
    QPainter painter(this);
    painter.setFont(font);
    painter.drawText(contentsRect(), Qt::AlignCenter, QStringLiteral("字型預覽"));
}
