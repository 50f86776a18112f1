#include "frontend/colorchooser.h"

#include "composition/wincolor.h"
#include "frontend/colorpalette.h"
#include "frontend/colorpalettepopup.h"
#include "frontend/colorswatch.h"

#include <QKeyEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

ColorChooser::ColorChooser(QWidget *parent)
    : QAbstractButton(parent)
    , m_value(WinColor::None)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setToolTip(describe());
    connect(this, &QAbstractButton::clicked, this, &ColorChooser::openPalette);
}

void ColorChooser::setValue(int value)
{
    m_value = value;
    setToolTip(describe());
    update();
}

QSize ColorChooser::sizeHint() const
{
    return {47, 21};
}

QSize ColorChooser::minimumSizeHint() const
{
    return sizeHint();
}

void ColorChooser::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    option.initFrom(this);
    if (isDown())
        option.state |= QStyle::State_On | QStyle::State_Sunken;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    ColorSwatch::paint(painter, field.adjusted(1, 2, -1, -2), m_value);
}

void ColorChooser::keyPressEvent(QKeyEvent *event)
{
    // The drop-down keys of a combo box.
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier;
    if (altDown || event->key() == Qt::Key_F4)
        openPalette();
    else
        QAbstractButton::keyPressEvent(event);
}

void ColorChooser::openPalette()
{
    // Built on first use: a window shows several choosers, and the swatch
    // icons cost start-up time that most never open.
    if (!m_palette) {
        m_palette = new ColorPalettePopup(this);
        connect(m_palette, &ColorPalettePopup::picked, this, &ColorChooser::pick);
    }
    m_palette->popUp(this, m_value);
}

void ColorChooser::pick(int value)
{
    setValue(value);
    Q_EMIT colorPicked(value);
}

QString ColorChooser::describe() const
{
    const std::optional<QColor> color = WinColor::toColor(m_value);
    if (!color)
        return QStringLiteral("無顏色");
    const QString name = ColorPalette::nameOf(m_value);
    return name.isEmpty() ? color->name(QColor::HexRgb).toUpper() : name;
}
