#include "editing/stylepanel.h"

#include "composition/wincolor.h"
#include "frontend/colorchooser.h"
#include "frontend/fontchooser.h"
#include "frontend/sizespinbox.h"

#include <QLabel>

namespace {

void placedLabel(const QString &text, QWidget *parent, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->move(x, y);
}

} // namespace

TextStylePanel::TextStylePanel(const Names &names, const QString &caption, QWidget *parent)
    : QFrame(parent)
    , m_caption(new QLabel(caption, this))
    , m_font(new FontChooser(this))
    , m_color(new ColorChooser(this))
    , m_size(new SizeSpinBox(this))
{
    setObjectName(names.panel);
    setFixedSize(229, 93);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xA6, 0xCA, 0xF0)); // sky blue
    setPalette(colours);

    m_caption->setObjectName(names.caption);
    QFont bold = m_caption->font();
    bold.setBold(true);
    bold.setPixelSize(12);
    m_caption->setFont(bold);
    m_caption->move(19, 7);

    placedLabel(QStringLiteral("字型"), this, 19, 31);
    m_font->setObjectName(names.font);
    m_font->setGeometry(48, 27, 145, 22);
    placedLabel(QStringLiteral("顏色"), this, 19, 63);
    m_color->setObjectName(names.color);
    m_color->setGeometry(48, 59, 47, 21);
    placedLabel(QStringLiteral("大小"), this, 107, 63);
    m_size->setObjectName(names.size);
    m_size->setGeometry(140, 59, 55, 21);
    setInitialValues();
}

QString TextStylePanel::initialFontName()
{
    return QStringLiteral("標楷體");
}

void TextStylePanel::setInitialValues(int size)
{
    setFontName(initialFontName());
    setColor(WinColor::None);
    setSize(size);
}

void TextStylePanel::setFontName(const QString &name)
{
    m_font->setFontName(name);
}

void TextStylePanel::setColor(int color)
{
    m_color->setValue(color);
}

void TextStylePanel::setSize(int size)
{
    m_size->setValue(size);
}

QString TextStylePanel::fontName() const
{
    return m_font->fontName();
}

int TextStylePanel::color() const
{
    return m_color->value();
}

int TextStylePanel::size() const
{
    return m_size->value();
}
