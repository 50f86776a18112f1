// A paste or an import that runs over several pages: its pages written
// under the run's progress with a marker of the fill in the folder, its one
// step of the undo history, and the fill a crash cut short told at the
// next start.
#include "mainwindow/mainwindow.h"

#include "frontend/damagedfilenotice.h"
#include "frontend/runprogress.h"
#include "frontend/usermessages.h"
#include "mainwindow/cellgrid.h"
#include "sheet/fillmarker.h"

#include <QSignalBlocker>
#include <QUndoStack>

namespace {

QString rowsText(int first, int last)
{
    return first == last ? QStringLiteral("第 %1 列").arg(first)
                         : QStringLiteral("第 %1–%2 列").arg(first).arg(last);
}

QString pagesText(int first, int last)
{
    return first == last ? QStringLiteral("第 %1 頁已寫入").arg(first)
                         : QStringLiteral("第 %1 頁到第 %2 頁已寫入").arg(first).arg(last);
}

} // namespace

// What writing a fill's pages came to.
struct MainWindow::PagesWritten {
    qsizetype count = 0; // the pages written, from the first on
    bool cancelled = false;
    FileResult failure;
    FileResult markerLeft; // the fill's marker could not be removed
    QList<std::pair<QString, QString>> keptCopies; // page file, its damaged copy
};

FileResult MainWindow::writePageFile(int page, const SheetPage::Cells &cells, QString *damagedCopy)
{
    const QString path = SheetPage::pageFileName(m_kindStem, page);
    if (FileResult refused = m_folder.refusal(path))
        return refused;
    return SheetPage::writePage(path, cells, damagedCopy);
}

// Each page is synced to disk, so a long list takes a while: the run's
// progress dialog, which can cancel between pages and is gone when this
// returns, before any message. The marker says how far it got should the
// program die meanwhile.
MainWindow::PagesWritten MainWindow::writeFillPages(const QList<FillStep::Page> &pages, bool undone,
                                                    const QString &action)
{
    return RunProgress::during(this, [&](RunProgress &progress) {
        PagesWritten written;
        FillMarker marker(FillMarker::fileName());
        const FillMarker::Record record{m_kindStem, action, pages.first().page, pages.last().page};
        written.failure = m_folder.refusal(FillMarker::fileName());
        if (!written.failure)
            written.failure = marker.begin(record);
        if (written.failure)
            return written;
        const auto step = progress.stage(QStringLiteral("正在寫入標籤頁…"));
        for (const FillStep::Page &page : pages) {
            if (!step(int(written.count), int(pages.size()))) {
                written.cancelled = true;
                break;
            }
            QString damagedCopy;
            written.failure =
                writePageFile(page.page, undone ? page.before : page.after, &damagedCopy);
            if (!damagedCopy.isEmpty())
                written.keptCopies.append(
                    {SheetPage::pageFileName(m_kindStem, page.page), damagedCopy});
            if (written.failure)
                break;
            ++written.count;
            if ((written.failure = marker.pageWritten(page.page, undone ? 0 : page.lastRow)))
                break;
        }
        written.markerLeft = marker.finish();
        return written;
    });
}

void MainWindow::tellPagesWritten(const PagesWritten &written)
{
    for (const auto &[path, copy] : written.keptCopies)
        tellDamagedFileKept(this, path, copy);
    if (written.markerLeft)
        showFailure(*written.markerLeft,
                    QStringLiteral("標籤頁都已寫好；下次開啟時的填入中斷提醒可不必理會。"));
}

// Every page of the fill is written, the last one shown as its file now
// holds it; all of it is one step of the history. A page that cannot be
// written stops the fill there: the pages before it stay written (and
// undoable), and the message names the rows not stored.
bool MainWindow::applyFill(const LabelFill::Plan &plan, const QString &action,
                           const QHash<int, SheetPage::Cells> &read)
{
    const QList<QList<LabelFill::Placed>> byPage = plan.byPage();
    if (byPage.size() == 1) {
        // On the shown page only: an edit like any other, saved with the page.
        pushCellEdit(byPage.first(), action);
        m_grid->setCurrentCell(plan.placed.last().cell + 1);
        return true;
    }
    const SheetPage::Cells shown = m_grid->contents();
    QList<FillStep::Page> pages;
    for (const QList<LabelFill::Placed> &part : byPage) {
        const int page = part.first().page;
        const SheetPage::Cells before =
            page == m_page ? SheetPage::readPage(pageFilePath()) : read.value(page);
        pages.append({page, before, LabelFill::placeInto(page == m_page ? shown : before, part),
                      part.last().row});
    }
    const PagesWritten written = writeFillPages(pages, false, action);
    tellPagesWritten(written);
    if (written.count > 0) {
        pages.resize(written.count);
        const int next = byPage[written.count - 1].last().cell + 1;
        m_undo->push(new FillStep(
            pages, shown, m_grid->currentCell(), next,
            [this](const FillStep::View &view) { showFillView(view); }, action));
    }
    if (!written.failure && !written.cancelled)
        return true;
    const QString notStored =
        rowsText(byPage[written.count].first().row, plan.placed.last().row) + u'未' + action;
    const QString done = written.count > 0 ? pagesText(pages.first().page, pages.last().page)
                                           : QStringLiteral("未寫入任何一頁");
    if (written.failure)
        showFailure(*written.failure, notStored + u'；' + done + u'。');
    else
        UserMessages::inform(this, QStringLiteral("已停止：") + done + u'\n' + notStored + u'。');
    return false;
}

void MainWindow::showFillView(const FillStep::View &view)
{
    setPage(view.page);
    m_grid->setContents(view.shown);
    m_storedCells = view.stored;
    m_pageUnreadable = false; // its file was just written
    m_grid->setCurrentCell(view.currentCell);
}

void MainWindow::moveHistory(bool back)
{
    const QUndoCommand *next = m_undo->command(m_undo->index() - (back ? 1 : 0));
    if (!next)
        return;
    if (next->id() == FillStep::Id && !rewriteFill(static_cast<const FillStep &>(*next), back))
        return;
    if (back)
        m_undo->undo();
    else
        m_undo->redo();
}

// Writes the pages as undoing (or redoing) `step` leaves them. When a page
// cannot be written, or the user stops it, the pages written so far get
// their contents back, so that pages and history agree, and the history
// stays where it was; should even that fail, the history ends.
bool MainWindow::rewriteFill(const FillStep &step, bool back)
{
    const QString undoing = back ? QStringLiteral("復原") : QStringLiteral("取消復原");
    const QString action = undoing + step.text();
    const PagesWritten written = writeFillPages(step.pages(), back, action);
    tellPagesWritten(written);
    if (!written.failure && !written.cancelled)
        return true;
    const PagesWritten restored = written.count > 0
        ? writeFillPages(step.pages().first(written.count), !back, action)
        : PagesWritten{};
    tellPagesWritten(restored);
    const bool restoredWhole = !restored.failure && !restored.cancelled;
    if (written.failure)
        showFailure(*written.failure,
                    restoredWhole
                        ? QStringLiteral("未能%1「%2」，各頁維持原狀。").arg(undoing, step.text())
                        : QString());
    if (!restoredWhole) {
        const QList<FillStep::Page> &pages = step.pages();
        const QString told =
            QStringLiteral("「%1」只完成一部分：%2，其餘各頁未變；之前的編輯無法再復原。")
                .arg(action, pagesText(pages[restored.count].page, pages[written.count - 1].page));
        // Redoing writes the shown page first: it may hold what it was to.
        if (!back && restored.count == 0)
            m_storedCells = pages.first().after;
        {
            const QSignalBlocker quiet(m_undo);
            m_undo->clear(); // `step` is gone
        }
        updateChanged();
        if (restored.failure)
            showFailure(*restored.failure, told);
        else
            UserMessages::inform(this, QStringLiteral("已停止：") + told);
    }
    return false;
}

void MainWindow::tellInterruptedFill()
{
    // A folder opened read-only may be open in a copy of the program that
    // is filling right now; the next start that may remove the marker tells.
    if (m_folder.readOnly())
        return;
    const std::optional<FillMarker::Record> left = FillMarker::leftBehind(FillMarker::fileName());
    if (!left)
        return;
    UserMessages::inform(this, FillMarker::report(*left));
    if (const FileResult kept = FillMarker(FillMarker::fileName()).finish())
        showFailure(*kept, QStringLiteral("下次開啟時會再提醒一次。"));
}
