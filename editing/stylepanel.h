#pragma once

#include <QFrame>

class ColorChooser;
class FontChooser;
class QLabel;
class SizeSpinBox;

// One text style panel (pnl8, pnl9, pnl10): sky blue, 229 x 93, a bold
// caption, and the font, colour and size of one printed field.
class TextStylePanel : public QFrame
{
    Q_OBJECT

public:
    struct Names {
        QString panel, caption, font, color, size;
    };
    static constexpr int InitialSize = 20;

    TextStylePanel(const Names &names, const QString &caption, QWidget *parent = nullptr);

    QLabel *caption() const { return m_caption; }
    FontChooser *fontChooser() const { return m_font; }
    ColorChooser *colorChooser() const { return m_color; }
    SizeSpinBox *sizeField() const { return m_size; }

    QString fontName() const;
    int color() const;
    int size() const;
    // Set from the program: only the size field reports the change.
    void setFontName(const QString &name);
    void setColor(int color);
    void setSize(int size);

    // The values of a panel whose kind has no stored style yet, at the
    // field's initial size.
    void setInitialValues(int size = InitialSize);

    // The font a label uses until the user picks one.
    static QString initialFontName();

private:
    QLabel *m_caption;
    FontChooser *m_font;
    ColorChooser *m_color;
    SizeSpinBox *m_size;
};
