#include "mainwindow/tfrmarowin.h"

#include "mainwindow/cellgrid.h"
#include "mainwindow/gridzoom.h"
#include "mainwindow/kindthumbnail.h"
#include "sheet/inidocument.h"
#include "editing/labelfields.h"
#include "sheet/labelkinds.h"
#include "mainwindow/memocell.h"
#include "printing/pagemarginsetdialog.h"
#include "mainwindow/pagenumber.h"
#include "sheet/sheetpage.h"
#include "editing/stylepanel.h"
#include "sheet/sysini.h"
#include "editing/tfredit.h"
#include "mainwindow/tfrsupport.h"
#include "mainwindow/tfrwelcome.h"
#include "mainwindow/windowplacement.h"
#include "frontend/usermessages.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QTimer>

namespace {

QString sysIniPath()
{
    return SysIni::fileName();
}

} // namespace

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
        FrWelcome->repaint();  // seen while the first page loads
    }
    readdata();
    WindowPlacement::fitAndCentre(this, StartSize);
    focusGrid();
}

void TFrMarowin::focusGrid()
{
    QWidget *target = m_lastGridFocus ? m_lastGridFocus.data() : pnlgrid->cell(1);
    target->setFocus(Qt::OtherFocusReason);
}

QString TFrMarowin::pageFilePath() const
{
    return SheetPage::pageFileName(FModeName, m_page);
}

void TFrMarowin::showWriteError(const IniFailure &failure)
{
    // A held page button would repeat the failing save under the message.
    btnup->setDown(false);
    btndown->setDown(false);
    showFileProblem(QStringLiteral("寫入錯誤\n\n無法寫入檔案"), failure.path, failure.reason);
}

void TFrMarowin::showFileProblem(const QString &what, const QString &path, const QString &reason)
{
    UserMessages::showError(this, QStringLiteral("%1：%2\n原因：%3")
                                      .arg(what, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason));
}

bool TFrMarowin::savedata()
{
    if (const IniWriteResult failure = SheetPage::writePage(pageFilePath(), pnlgrid->contents())) {
        showWriteError(*failure);
        return false;
    }
    m_changed = false;
    return WriteToIniFont();
}

void TFrMarowin::readdata()
{
    FLoading = 1;
    readMode();
    FLoading = 0;
    checkMode();
    const SheetPage::PageRead page = SheetPage::readPageReporting(pageFilePath());
    pnlgrid->setContents(page.cells);
    refreshCutMarks();
    m_changed = false;
    if (!page.problem.isEmpty())
        showFileProblem(QStringLiteral("讀取錯誤\n\n無法讀取檔案"), pageFilePath(), page.problem);
}

void TFrMarowin::readMode()
{
    const IniDocument settings = IniDocument::load(sysIniPath());
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
    return pnlgrid->findChild<MemoCell *>(QStringLiteral("mmo") + number, Qt::FindDirectChildrenOnly);
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
    if (lines != memo->lines()) {
        memo->setLines(lines);
        refreshCutMark(number.toInt());
        m_changed = true;
    }
    MmoFocusTop(number);
}

void TFrMarowin::imgClick(int kind)
{
    if (!savedata())
        return;
    // The kind is only switched once it is stored, so what is shown, FMode
    // and FModeName always agree.
    if (const IniWriteResult failure = SysIni::writeMode(sysIniPath(), kind)) {
        showWriteError(*failure);
        return;
    }
    FMode = kind;
    setPage(1);
    readdata();
    focusGrid();
}

void TFrMarowin::setPage(int page)
{
    m_page = page;
    edtpage->setText(PageNumber::format(page));
}

void TFrMarowin::btnupClick()
{
    if (!savedata())
        return;
    setPage(m_page + 1);
    readdata();
}

void TFrMarowin::btndownClick()
{
    if (m_page <= 1 || !savedata())
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
    if (typed && *typed != m_page && savedata()) {
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
    TPageMarginSetDlg dialog(this);
    dialog.setWindowTitle(QStringLiteral("設定上左邊界-單位為毫米(mm)"));
    PageMarginSetDialog::MarginSection = SysIni::marginSection();
    dialog.exec();
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
    if (!FrEdit)
        return;
    const QString text = QString::number(number);
    EditMode(text);
    if (FrEdit->exec() == TFrEdit::SaveResult)
        WriteToMmo(text);
}

void TFrMarowin::closeEvent(QCloseEvent *event)
{
    if (!m_changed) {
        event->accept();
        return;
    }
    switch (UserMessages::askYesNoCancel(this, QStringLiteral("是否存檔?"))) {
    case UserMessages::Answer::Yes:
        event->setAccepted(savedata());
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
        if (mouse->button() == Qt::RightButton && btn1->rect().contains(mouse->position().toPoint()))
            btn1MouseUp(mouse->button());
    }
    return QWidget::eventFilter(watched, event);
}
