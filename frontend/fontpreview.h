#pragma once

#include <QFrame>

// The 260 x 65 panel beside an open font list that shows "字型預覽" at
// size 36 in the highlighted family. A tooltip-like window: it never takes
// the focus from the list.
class FontPreview : public QFrame
{
    Q_OBJECT

public:
    explicit FontPreview(QWidget *parent);

    QString family() const { return m_family; }
    void setFamily(const QString &family);

    // Shows the panel beside popupRect (global), on its right unless the
    // screen ends there, vertically centred on centreY.
    void showBeside(const QRect &popupRect, int centreY);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_family;
};
