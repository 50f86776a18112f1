#pragma once

#include <QFrame>

class QLabel;

// One text style panel (pnl8, pnl9, pnl10): sky blue, 229 x 93, a bold
// caption, and the font, colour and size of one printed field.
class TextStylePanel : public QFrame
{
    Q_OBJECT

public:
    TextStylePanel(const QString &panelName, const QString &captionName, const QString &caption,
               QWidget *parent = nullptr);

    QLabel *caption() const { return m_caption; }

private:
    QLabel *m_caption;
};
