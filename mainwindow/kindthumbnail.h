#pragma once

#include <QFrame>

class QLabel;

// A kind thumbnail: a frame panel pnl4..pnl7 holding its picture img1..img4.
// The chosen kind's frame looks pressed in, the others raised.
class KindThumbnail : public QFrame
{
    Q_OBJECT

public:
    KindThumbnail(int kind, QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void setChosen(bool chosen);
    bool isChosen() const { return frameShadow() == QFrame::Sunken; }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_image;
};
