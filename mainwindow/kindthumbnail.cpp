#include "mainwindow/kindthumbnail.h"

#include <QLabel>
#include <QMouseEvent>

KindThumbnail::KindThumbnail(int kind, QWidget *parent)
    : QFrame(parent)
    , m_image(new QLabel(this))
{
    setObjectName(QStringLiteral("pnl%1").arg(kind + 3));
    m_image->setObjectName(QStringLiteral("img%1").arg(kind));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setFixedSize(143, 69);
    m_image->setGeometry(2, 2, 139, 65);
    m_image->setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void KindThumbnail::setPicture(const QPixmap &picture)
{
    m_image->setPixmap(
        picture.scaled(m_image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void KindThumbnail::setChosen(bool chosen)
{
    setFrameShadow(chosen ? QFrame::Sunken : QFrame::Raised);
}

void KindThumbnail::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
