#include "frontend/fontchooser.h"

#include "composition/fontfamilies.h"
#include "frontend/fontpreview.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QProxyStyle>
#include <QWheelEvent>

namespace {

// A list dropping below the field, as on Windows, rather than Fusion's menu
// over it, which ignores maxVisibleItems and can fill the screen. One style
// for all choosers: a style sheet per field cost each of them a style of its
// own and a re-polish at start-up.
class DropDownListStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle *dropDownListStyle()
{
    static QStyle *const style = [] {
        QStyle *created = new DropDownListStyle;
        created->setParent(qApp);
        return created;
    }();
    return style;
}

} // namespace

FontChooser::FontChooser(QWidget *parent)
    : QComboBox(parent)
    , m_preview(new FontPreview(this))
{
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
    setStyle(dropDownListStyle());
    setMaxVisibleItems(16);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fillFamilies();
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &FontChooser::choose);
    connect(this, &QComboBox::highlighted, this, &FontChooser::previewEntry);
}

void FontChooser::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void FontChooser::fillFamilies()
{
    addItems(listedFamilies());
}

QString FontChooser::fontName() const
{
    if (currentIndex() < 0)
        return QString();
    return m_substituted.isEmpty() ? currentText() : m_substituted;
}

void FontChooser::setFontName(const QString &name)
{
    const FamilyMatch match = matchFamily(name);
    m_substituted = match.used != match.listed ? match.used : QString();
    setCurrentIndex(findFamily(match.listed));
}

int FontChooser::findFamily(const QString &name) const
{
    // An empty name would match the separator.
    return name.isEmpty() ? -1 : findText(name, Qt::MatchFixedString);
}

void FontChooser::showPopup()
{
    // Wide enough for the longest family name; the field itself is narrow.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view());
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + scrollBar + 2 * view()->frameWidth());
    QComboBox::showPopup();
    previewEntry(view()->currentIndex().row());
}

void FontChooser::previewEntry(int index)
{
    if (!view()->isVisible())
        return;
    m_preview->setFamily(itemText(index));
    // Beside the highlighted row, so the eye need not leave it.
    const QRect row = view()->visualRect(model()->index(index, 0));
    const int centreY = view()->viewport()->mapToGlobal(row.center()).y();
    m_preview->showBeside(view()->window()->geometry(), centreY);
}

void FontChooser::hidePopup()
{
    m_preview->hide();
    QComboBox::hidePopup();
}

void FontChooser::choose(int index)
{
    const QString family = itemText(index);
    m_substituted.clear();
    if (index >= m_recentCount)
        addRecent(family);
    Q_EMIT fontChosen(family);
}

void FontChooser::addRecent(const QString &family)
{
    if (m_recentCount == 0)
        insertSeparator(0);
    const int old = findText(family, Qt::MatchExactly);
    if (old < m_recentCount)
        removeItem(old);
    else if (m_recentCount == RecentLimit)
        removeItem(RecentLimit - 1);
    else
        ++m_recentCount;
    insertItem(0, family);
}
