#include "stylepanel.h"

#include <QLabel>

TextStylePanel::TextStylePanel(const QString &panelName, const QString &captionName, const QString &caption,
                       QWidget *parent)
    : QFrame(parent)
    , m_caption(new QLabel(caption, this))
{
    setObjectName(panelName);
    setFixedSize(229, 93);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xA6, 0xCA, 0xF0));  // sky blue
    setPalette(colours);

    m_caption->setObjectName(captionName);
    QFont bold = m_caption->font();
    bold.setBold(true);
    bold.setPixelSize(12);
    m_caption->setFont(bold);
    m_caption->move(19, 7);
}
