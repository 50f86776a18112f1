#include "mainwindow/mainwindow.h"

#include "editing/labeldialog.h"
#include "editing/stylepanel.h"
#include "frontend/damagedfilenotice.h"
#include "frontend/usermessages.h"
#include "ini/inidocument.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/gridzoom.h"
#include "mainwindow/kindthumbnail.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/pagenumber.h"
#include "mainwindow/splashwindow.h"
#include "mainwindow/supportwindow.h"
#include "mainwindow/windowplacement.h"
#include "sheet/labelfields.h"
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

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated)
        startUp();
    // A window manager that keeps a new window in the background (focus
    // stealing prevention) must not leave the first page unloaded.
    if (event->type() == QEvent::Show && !m_activated)
        QTimer::singleShot(0, this, [this] {
            if (!m_activated)
                startUp();
        });
    return QWidget::event(event);
}

void MainWindow::startUp()
{
    // Later activations (after a dialog, or another program) do nothing.
    m_activated = true;
    if (m_splash) {
        m_splash->show();
        m_splash->repaint(); // seen while the first page loads
    }
    loadPage();
    WindowPlacement::fitAndCentre(this, StartSize);
    focusGrid();
    tellInterruptedFill();
}

void MainWindow::focusGrid()
{
    // The grid holds the keyboard focus and the current cell.
    m_grid->setFocus(Qt::OtherFocusReason);
}

QString MainWindow::pageFilePath() const
{
    return SheetPage::pageFileName(m_kindStem, m_page);
}

void MainWindow::showFailure(const FileFailure &failure, const QString &consequence)
{
    // A held page button would go on turning under the message.
    m_nextPageButton->setDown(false);
    m_previousPageButton->setDown(false);
    if (!tellTakeover(failure))
        UserMessages::showFailure(this, failure, consequence);
}

bool MainWindow::savePage()
{
    QString damagedCopy;
    const SheetPage::Cells cells = m_grid->contents();
    const FileResult failure = writePageFile(m_page, cells, &damagedCopy);
    tellDamagedFileKept(this, pageFilePath(), damagedCopy);
    if (failure) {
        showFailure(*failure);
        return false;
    }
    m_storedCells = cells;
    m_changed = false;
    // Styles and the kind that fail to store are told once; the page is safe.
    storeStyles();
    return true;
}

void MainWindow::updateChanged()
{
    const SheetPage::Cells cells = m_grid->contents();
    m_changed =
        !std::equal(cells.begin(), cells.end(), m_storedCells.begin(), &SheetPage::sameStoredLines);
}

void MainWindow::loadPage()
{
    m_loading = 1;
    readKind();
    m_loading = 0;
    showKindControls();
    const SheetPage::PageRead page = SheetPage::readPageReporting(pageFilePath());
    m_grid->setContents(page.cells);
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

void MainWindow::readKind()
{
    const IniDocument settings = m_folder.settings();
    if (const FileResult unreadable = settings.unreadable(); unreadable && !m_settingsReported) {
        m_settingsReported = true;
        showFailure(*unreadable, QStringLiteral("將以預設的種類與字型執行，這些設定不會儲存。"));
    }
    // A first start has no "Mode" yet: that is kind 1, not an error.
    m_kind = SysIni::readKind(settings).value_or(FirstKind);
    if (!applyStoredStyles(settings)) {
        UserMessages::showError(this, QStringLiteral("載入參數失敗"));
        return;
    }
    setKindStem();
}

void MainWindow::setKindStem()
{
    if (const LabelKindInfo *kind = labelKind(m_kind))
        m_kindStem = kind->stemText();
}

void MainWindow::showKindControls()
{
    const LabelKindInfo *kind = labelKind(m_kind);
    if (!kind)
        return;
    for (int i = 0; i < int(m_thumbnails.size()); ++i)
        m_thumbnails[i]->setChosen(i + FirstKind == m_kind);
    m_addressPanel->setVisible(kind->showsPanel(StylePanel::Address));
    m_thirdPanel->setVisible(kind->showsPanel(StylePanel::ThirdField));
    m_namePanel->setVisible(true);
    if (kind->showsPanel(StylePanel::Address))
        m_addressPanel->caption()->setText(QStringLiteral("地址"));
    if (kind->showsPanel(StylePanel::ThirdField))
        m_thirdPanel->caption()->setText(kind->thirdCaptionText());
    if (m_labelDialog)
        m_labelDialog->setActivePage(kind->editPage);
    setKindStem();
}

LabelCell *MainWindow::cellNamed(const QString &number) const
{
    return m_grid->findChild<LabelCell *>(QStringLiteral("mmo") + number,
                                          Qt::FindDirectChildrenOnly);
}

void MainWindow::focusCellTop(const QString &number)
{
    if (LabelCell *memo = cellNamed(number))
        memo->focusTop();
}

void MainWindow::fillDialogFromCell(const QString &number)
{
    const LabelCell *memo = cellNamed(number);
    if (!memo || !m_labelDialog)
        return;
    const QString seat = memo->line(1);
    if (m_kind == 3 && !seat.isEmpty())
        UserMessages::inform(this, seat);
    m_labelDialog->setFields(m_kind, fieldsFromCell(m_kind, memo->lines()));
}

void MainWindow::writeDialogToCell(const QString &number)
{
    LabelCell *memo = cellNamed(number);
    if (!memo || !m_labelDialog)
        return;
    const QStringList lines = cellFromFields(m_kind, m_labelDialog->fields(m_kind));
    if (!SheetPage::sameStoredLines(lines, memo->lines()))
        pushCellEdit({{m_page, memo->number(), lines}}, QStringLiteral("編輯標籤"));
    focusCellTop(number);
}

void MainWindow::chooseKind(int kind)
{
    showKindPage(kind, 1);
}

bool MainWindow::showKindPage(int kind, int page)
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
    m_kind = kind;
    setPage(page);
    loadPage();
    focusGrid();
    return true;
}

void MainWindow::setPage(int page)
{
    m_page = page;
    m_pageField->setText(PageNumber::format(page));
}

void MainWindow::nextPage()
{
    if (typedPageTaken() || !leavePage())
        return;
    setPage(m_page + 1);
    loadPage();
}

void MainWindow::previousPage()
{
    if (typedPageTaken() || m_page <= 1 || !leavePage())
        return;
    setPage(m_page - 1);
    loadPage();
}

void MainWindow::commitTypedPage()
{
    // A message box taking the focus would finish the edit a second time.
    if (m_committingPage)
        return;
    m_committingPage = true;
    const std::optional<int> typed = PageNumber::parseTyped(m_pageField->text());
    if (typed && *typed != m_page && leavePage()) {
        setPage(*typed);
        loadPage();
    } else {
        setPage(m_page);
    }
    m_committingPage = false;
}

void MainWindow::zoomOut()
{
    m_grid->zoom(GridZoom::ZoomOutNumerator, GridZoom::Denominator);
}

void MainWindow::zoomIn()
{
    m_grid->zoom(GridZoom::ZoomInNumerator, GridZoom::Denominator);
}

void MainWindow::previewButtonReleased(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    editMargins(this);
    focusGrid();
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::openSupport()
{
    if (m_support)
        m_support->exec();
    focusGrid();
}

void MainWindow::cellClicked(int number)
{
    editCell(number, QString(), false);
}

void MainWindow::closeEvent(QCloseEvent *event)
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

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_previewButton && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton
            && m_previewButton->rect().contains(mouse->position().toPoint()))
            previewButtonReleased(mouse->button());
    }
    return QWidget::eventFilter(watched, event);
}
