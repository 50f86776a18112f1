#include "mainwindow/tfrmarowin.h"

#include "editing/labelfields.h"
#include "editing/stylepanel.h"
#include "editing/tfredit.h"
#include "frontend/damagedfilenotice.h"
#include "frontend/usermessages.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/gridzoom.h"
#include "mainwindow/kindthumbnail.h"
#include "mainwindow/memocell.h"
#include "mainwindow/pagenumber.h"
#include "mainwindow/tfrsupport.h"
#include "mainwindow/tfrwelcome.h"
#include "mainwindow/windowplacement.h"
#include "sheet/inidocument.h"
#include "sheet/labelkinds.h"
#include "sheet/sheetpage.h"
#include "sheet/sysini.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include <algorithm>

bool TFrMarowin::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated)
        FormActivate();
    // A window manager that keeps a new window in the background (focus
    // stealing prevention) must not leave the first page unloaded.
    if (event->type() == QEvent::Show && !m_activated)
        QTimer::singleShot(0, this, [this] {
            if (!m_activated)
                FormActivate();
        });
    return QWidget::event(event);
}

void TFrMarowin::FormActivate()
{
    // Later activations (after a dialog, or another program) do nothing.
    m_activated = true;
    if (FrWelcome) {
        FrWelcome->show();
        FrWelcome->repaint(); // seen while the first page loads
    }
    readdata();
    WindowPlacement::fitAndCentre(this, StartSize);
    focusGrid();
    tellInterruptedFill();
}

void TFrMarowin::focusGrid()
{
    // The grid holds the keyboard focus and the current cell.
    pnlgrid->setFocus(Qt::OtherFocusReason);
}

QString TFrMarowin::pageFilePath() const
{
    return SheetPage::pageFileName(FModeName, m_page);
}

void TFrMarowin::showFailure(const FileFailure &failure, const QString &consequence)
{
    // A held page button would go on turning under the message.
    btnup->setDown(false);
    btndown->setDown(false);
    if (!tellTakeover(failure))
        UserMessages::showFailure(this, failure, consequence);
}

bool TFrMarowin::savedata()
{
    QString damagedCopy;
    const SheetPage::Cells cells = pnlgrid->contents();
    const FileResult failure = writePageFile(m_page, cells, &damagedCopy);
    tellDamagedFileKept(this, pageFilePath(), damagedCopy);
    if (failure) {
        showFailure(*failure);
        return false;
    }
    m_storedCells = cells;
    m_changed = false;
    // Styles and the kind that fail to store are told once; the page is safe.
    WriteToIniFont();
    return true;
}

void TFrMarowin::updateChanged()
{
    const SheetPage::Cells cells = pnlgrid->contents();
    m_changed =
        !std::equal(cells.begin(), cells.end(), m_storedCells.begin(), &SheetPage::sameStoredLines);
}

void TFrMarowin::readdata()
{
    FLoading = 1;
    readMode();
    FLoading = 0;
    checkMode();
    const SheetPage::PageRead page = SheetPage::readPageReporting(pageFilePath());
    pnlgrid->setContents(page.cells);
    // A page turn ends the undo history: what was saved is saved. Quietly,
    // so that the cut marks are judged once for the new page, just below.
    {
        const QSignalBlocker quiet(m_undo);
        m_undo->clear();
    }
    refreshCutMarks();
    m_storedCells = page.cells;
    m_changed = false;
    m_pageUnreadable = page.unreadable.has_value();
    if (m_pageUnreadable)
        showFailure(*page.unreadable);
}

void TFrMarowin::readMode()
{
    const IniDocument settings = m_folder.settings();
    if (const FileResult unreadable = settings.unreadable(); unreadable && !m_settingsReported) {
        m_settingsReported = true;
        showFailure(*unreadable, QStringLiteral("將以預設的種類與字型執行，這些設定不會儲存。"));
    }
    // A first start has no "Mode" yet: that is kind 1, not an error.
    FMode = SysIni::readMode(settings).value_or(FirstKind);
    if (!applyStoredStyles(settings)) {
        UserMessages::showError(this, QStringLiteral("載入參數失敗"));
        return;
    }
    SETModeName();
}

void TFrMarowin::SETModeName()
{
    if (const LabelKindInfo *kind = labelKind(FMode))
        FModeName = kind->stemText();
}

void TFrMarowin::checkMode()
{
    const LabelKindInfo *kind = labelKind(FMode);
    if (!kind)
        return;
    for (int i = 0; i < int(m_thumbnails.size()); ++i)
        m_thumbnails[i]->setChosen(i + FirstKind == FMode);
    pnl9->setVisible(kind->showsPanel(StylePanel::Address));
    pnl10->setVisible(kind->showsPanel(StylePanel::ThirdField));
    pnl8->setVisible(true);
    if (kind->showsPanel(StylePanel::Address))
        pnl9->caption()->setText(QStringLiteral("地址"));
    if (kind->showsPanel(StylePanel::ThirdField))
        pnl10->caption()->setText(kind->thirdCaptionText());
    if (FrEdit)
        FrEdit->setActivePage(kind->editPage);
    SETModeName();
}

MemoCell *TFrMarowin::cellNamed(const QString &number) const
{
    return pnlgrid->findChild<MemoCell *>(QStringLiteral("mmo") + number,
                                          Qt::FindDirectChildrenOnly);
}

void TFrMarowin::MmoFocusTop(const QString &number)
{
    if (MemoCell *memo = cellNamed(number))
        memo->focusTop();
}

void TFrMarowin::EditMode(const QString &number)
{
    const MemoCell *memo = cellNamed(number);
    if (!memo || !FrEdit)
        return;
    const QString seat = memo->line(1);
    if (FMode == 3 && !seat.isEmpty())
        UserMessages::inform(this, seat);
    FrEdit->setFields(FMode, fieldsFromCell(FMode, memo->lines()));
}

void TFrMarowin::WriteToMmo(const QString &number)
{
    MemoCell *memo = cellNamed(number);
    if (!memo || !FrEdit)
        return;
    const QStringList lines = cellFromFields(FMode, FrEdit->fields(FMode));
    if (!SheetPage::sameStoredLines(lines, memo->lines()))
        pushCellEdit({{m_page, memo->number(), lines}}, QStringLiteral("編輯標籤"));
    MmoFocusTop(number);
}

void TFrMarowin::imgClick(int kind)
{
    showKindPage(kind, 1);
}

bool TFrMarowin::showKindPage(int kind, int page)
{
    if (!leavePage())
        return false;
    // The kind is only switched once it is stored, so what is shown, FMode
    // and FModeName always agree; a read-only folder keeps it in memory.
    IniDocument settings = m_folder.settings();
    SysIni::setMode(settings, kind);
    if (const FileResult failure = m_folder.storeSettings(settings)) {
        reportSettingsFailure(*failure);
        return false;
    }
    tellSettingsKept(false);
    FMode = kind;
    setPage(page);
    readdata();
    focusGrid();
    return true;
}

void TFrMarowin::setPage(int page)
{
    m_page = page;
    edtpage->setText(PageNumber::format(page));
}

void TFrMarowin::btnupClick()
{
    if (typedPageTaken() || !leavePage())
        return;
    setPage(m_page + 1);
    readdata();
}

void TFrMarowin::btndownClick()
{
    if (typedPageTaken() || m_page <= 1 || !leavePage())
        return;
    setPage(m_page - 1);
    readdata();
}

void TFrMarowin::edtpageCommit()
{
    // A message box taking the focus would finish the edit a second time.
    if (m_committingPage)
        return;
    m_committingPage = true;
    const std::optional<int> typed = PageNumber::parseTyped(edtpage->text());
    if (typed && *typed != m_page && leavePage()) {
        setPage(*typed);
        readdata();
    } else {
        setPage(m_page);
    }
    m_committingPage = false;
}

void TFrMarowin::btnScallDownLeftClick()
{
    pnlgrid->zoom(GridZoom::ZoomOutNumerator, GridZoom::Denominator);
}

void TFrMarowin::btnScallUpRightClick()
{
    pnlgrid->zoom(GridZoom::ZoomInNumerator, GridZoom::Denominator);
}

void TFrMarowin::btn1MouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    editMargins(this);
    focusGrid();
}

void TFrMarowin::btn2Click()
{
    close();
}

void TFrMarowin::btn3Click()
{
    if (FrSupport)
        FrSupport->exec();
    focusGrid();
}

void TFrMarowin::mmoClick(int number)
{
    editCell(number, QString(), false);
}

void TFrMarowin::closeEvent(QCloseEvent *event)
{
    if (!m_changed) {
        event->accept();
        return;
    }
    switch (UserMessages::askYesNoCancel(this, QStringLiteral("是否存檔?"))) {
    case UserMessages::Answer::Yes:
        event->setAccepted(leavePage());
        return;
    case UserMessages::Answer::No:
        event->accept();
        return;
    default:
        event->ignore();
        return;
    }
}

bool TFrMarowin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == btn1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton
            && btn1->rect().contains(mouse->position().toPoint()))
            btn1MouseUp(mouse->button());
    }
    return QWidget::eventFilter(watched, event);
}
