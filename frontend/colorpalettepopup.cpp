#include "frontend/colorpalettepopup.h"

#include "frontend/colorpalette.h"
#include "frontend/colorswatch.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

namespace {

QIcon swatchIcon(int value)
{
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    ColorSwatch::paint(painter, pixmap.rect(), value);
    return QIcon(pixmap);
}

int gridStep(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return -1;
    case Qt::Key_Right:
        return 1;
    case Qt::Key_Up:
        return -ColorPalette::Columns;
    case Qt::Key_Down:
        return ColorPalette::Columns;
    default:
        return 0;
    }
}

} // namespace

ColorPalettePopup::ColorPalettePopup(QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , m_swatches(new QButtonGroup(this))
{
    setFrameShape(QFrame::StyledPanel);
    // The style's own marks for a checked or focused flat button are too
    // faint around a small swatch.
    setStyleSheet(QStringLiteral(
        "QToolButton { border: 2px solid transparent; border-radius: 3px; background: none; }"
        "QToolButton:checked { border-color: #404040; }"
        "QToolButton:hover, QToolButton:focus { border-color: palette(highlight); }"));
    // Not exclusive: a value outside the palette marks no swatch.
    m_swatches->setExclusive(false);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    for (int i = 0; i < ColorPalette::entries().size(); ++i)
        addSwatch(i);
    connect(m_swatches, &QButtonGroup::idClicked, this, [this](int index) {
        hide();
        Q_EMIT picked(ColorPalette::entries().at(index).value);
    });
}

void ColorPalettePopup::addSwatch(int index)
{
    const ColorPalette::Entry &entry = ColorPalette::entries().at(index);
    auto *swatch = new QToolButton(this);
    swatch->setIcon(swatchIcon(entry.value));
    swatch->setIconSize(QSize(18, 18));
    swatch->setFixedSize(26, 26);
    swatch->setAutoRaise(true);
    swatch->setCheckable(true);
    swatch->setToolTip(entry.name);
    swatch->setAccessibleName(entry.name);
    m_swatches->addButton(swatch, index);
    static_cast<QGridLayout *>(layout())->addWidget(swatch, index / ColorPalette::Columns,
                                                    index % ColorPalette::Columns);
}

void ColorPalettePopup::popUp(const QWidget *anchor, int currentValue)
{
    markCurrent(currentValue);
    placeAt(anchor);
    show();
    QAbstractButton *focus = m_swatches->checkedButton();
    (focus ? focus : m_swatches->buttons().constFirst())->setFocus(Qt::PopupFocusReason);
}

void ColorPalettePopup::markCurrent(int currentValue)
{
    const QList<ColorPalette::Entry> &entries = ColorPalette::entries();
    for (int i = 0; i < entries.size(); ++i)
        m_swatches->button(i)->setChecked(entries.at(i).value == currentValue);
}

void ColorPalettePopup::placeAt(const QWidget *anchor)
{
    adjustSize();
    const QRect available = anchor->screen()->availableGeometry();
    QPoint topLeft = anchor->mapToGlobal(QPoint(0, anchor->height()));
    if (topLeft.y() + height() > available.bottom())
        topLeft.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - height());
    topLeft.setX(qBound(available.left(), topLeft.x(), available.right() - width()));
    move(topLeft);
}

void ColorPalettePopup::keyPressEvent(QKeyEvent *event)
{
    // Reached for the keys the focused swatch leaves alone.
    auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
    const int step = gridStep(event->key());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (focused && step != 0)
        moveFocus(m_swatches->id(focused) + step);
    else if (focused && enter)
        focused->click();
    else
        QFrame::keyPressEvent(event);
}

void ColorPalettePopup::moveFocus(int index)
{
    if (QAbstractButton *swatch = m_swatches->button(index))
        swatch->setFocus(Qt::TabFocusReason);
}
