#include "mainwindow/cellgrid.h"

#include "mainwindow/gridzoom.h"
#include "mainwindow/labelcell.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

CellGrid::CellGrid(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlgrid"));
    setFocusPolicy(Qt::StrongFocus);
    // Input methods (注音, 倉頡) commit their text here.
    setAttribute(Qt::WA_InputMethodEnabled);
    resize(754, 705);
    QFont cellFont = font();
    cellFont.setPointSize(m_fontPoints);
    for (int n = 1; n <= SheetPage::CellCount; ++n) {
        auto *memo = new LabelCell(n, this);
        memo->setFont(cellFont);
        memo->setGeometry(SheetPage::cellColumn(n) * CellWidth, SheetPage::cellRow(n) * CellHeight,
                          CellWidth, CellHeight);
        connect(memo, &LabelCell::clicked, this, [this](int number) {
            setCurrentCell(number);
            setFocus(Qt::MouseFocusReason);
            Q_EMIT cellClicked(number);
        });
        m_cells[n - 1] = memo;
    }
    updateMark();
}

LabelCell *CellGrid::cell(int number) const
{
    return number >= 1 && number <= SheetPage::CellCount ? m_cells[number - 1] : nullptr;
}

SheetPage::Cells CellGrid::contents() const
{
    SheetPage::Cells cells;
    for (int i = 0; i < SheetPage::CellCount; ++i)
        cells[i] = m_cells[i]->lines();
    return cells;
}

void CellGrid::setContents(const SheetPage::Cells &cells)
{
    for (int i = 0; i < SheetPage::CellCount; ++i) {
        m_cells[i]->setLines(cells[i]);
        m_cells[i]->focusTop();
    }
}

void CellGrid::zoom(int numerator, int denominator)
{
    m_fontPoints = GridZoom::scaleFontPoints(m_fontPoints, numerator, denominator);
    for (LabelCell *memo : m_cells) {
        memo->setGeometry(GridZoom::scaleRect(memo->geometry(), numerator, denominator));
        QFont cellFont = memo->font();
        cellFont.setPointSize(m_fontPoints);
        memo->setFont(cellFont);
    }
    resize(GridZoom::scaleSize(size(), numerator, denominator));
}

void CellGrid::setCurrentCell(int number)
{
    m_current = std::clamp(number, 1, SheetPage::CellCount);
    updateMark();
    updateMicroFocus();
    announceCurrentCell();
}

// The grid keeps the focus while the current cell moves, so a screen reader
// is told of each cell as if it had taken the focus itself.
void CellGrid::announceCurrentCell()
{
    if (!hasFocus())
        return;
    QAccessibleEvent moved(cell(m_current), QAccessible::Focus);
    QAccessible::updateAccessibility(&moved);
}

void CellGrid::updateMark()
{
    const LabelCell::Mark mark =
        hasFocus() ? LabelCell::Mark::Current : LabelCell::Mark::CurrentInactive;
    for (LabelCell *memo : m_cells)
        memo->setMark(memo->number() == m_current ? mark : LabelCell::Mark::None);
}

void CellGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateMark();
    announceCurrentCell();
}

void CellGrid::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    updateMark();
}

bool CellGrid::moveByKey(const QKeyEvent *event)
{
    const int row = SheetPage::cellRow(m_current);
    const int column = SheetPage::cellColumn(m_current);
    const bool control = event->modifiers() & Qt::ControlModifier;
    const auto at = [](int r, int c) {
        return std::clamp(r, 0, SheetPage::Rows - 1) * SheetPage::Columns
            + std::clamp(c, 0, SheetPage::Columns - 1) + 1;
    };
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentCell(at(row, column - 1));
        return true;
    case Qt::Key_Right:
        setCurrentCell(at(row, column + 1));
        return true;
    case Qt::Key_Up:
        setCurrentCell(at(row - 1, column));
        return true;
    case Qt::Key_Down:
        setCurrentCell(at(row + 1, column));
        return true;
    case Qt::Key_Home:
        setCurrentCell(control ? 1 : at(row, 0));
        return true;
    case Qt::Key_End:
        setCurrentCell(control ? SheetPage::CellCount : at(row, SheetPage::Columns - 1));
        return true;
    default:
        return false;
    }
}

bool CellGrid::requestByKey(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy))
        Q_EMIT copyRequested();
    else if (event->matches(QKeySequence::Cut))
        Q_EMIT cutRequested();
    else if (event->matches(QKeySequence::Paste))
        Q_EMIT pasteRequested();
    else if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    else if (event->key() == Qt::Key_PageDown)
        Q_EMIT pageTurnRequested(1);
    else if (event->key() == Qt::Key_PageUp)
        Q_EMIT pageTurnRequested(-1);
    else if (event->key() == Qt::Key_Delete)
        Q_EMIT clearRequested();
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
             || event->key() == Qt::Key_F2 || event->key() == Qt::Key_Space)
        Q_EMIT openRequested(QString());
    else if (!event->text().isEmpty() && event->text().front().isPrint())
        Q_EMIT openRequested(event->text());
    else
        return false;
    return true;
}

void CellGrid::keyPressEvent(QKeyEvent *event)
{
    if (moveByKey(event) || requestByKey(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void CellGrid::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty())
        Q_EMIT openRequested(event->commitString());
    event->accept();
}

QVariant CellGrid::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
        // The candidate window opens beside the current cell.
        return cell(m_current)->geometry();
    default:
        return QWidget::inputMethodQuery(query);
    }
}
