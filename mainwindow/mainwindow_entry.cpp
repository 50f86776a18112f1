// Entry by keyboard on the grid's current cell, clearing, the clipboard,
// filling rows from a paste or a list, and the undo history.
#include "mainwindow/mainwindow.h"

#include "editing/labeldialog.h"
#include "frontend/filedialogs.h"
#include "frontend/runprogress.h"
#include "frontend/usermessages.h"
#include "lists/delimitedtext.h"
#include "lists/listfile.h"
#include "mainwindow/celledit.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/listimportdialog.h"
#include "sheet/labelfields.h"
#include "sheet/sheetpage.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QUndoStack>

namespace {

constexpr int ReportedRows = 20;

QString skippedReport(const QList<LabelFill::Skipped> &skipped, const QString &action)
{
    QStringList lines{QStringLiteral("下列 %1 列未%2：").arg(skipped.size()).arg(action)};
    for (qsizetype i = 0; i < skipped.size() && i < ReportedRows; ++i)
        lines.append(QStringLiteral("第 %1 列：%2").arg(skipped[i].row).arg(skipped[i].reason));
    if (skipped.size() > ReportedRows)
        lines.append(QStringLiteral("……"));
    return lines.join(u'\n');
}

} // namespace

void MainWindow::setUpEntry()
{
    m_undo = new QUndoStack(this);
    connect(m_undo, &QUndoStack::indexChanged, this, &MainWindow::updateChanged);
    // The history moves through moveHistory, which writes a fill's pages
    // before it moves over the fill's step.
    auto *undo = new QAction(QStringLiteral("復原"), this);
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, [this] { moveHistory(true); });
    auto *redo = new QAction(QStringLiteral("取消復原"), this);
    // Ctrl+Y everywhere, and the platform's own redo key where it differs.
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!redoKeys.contains(key))
            redoKeys.append(key);
    }
    redo->setShortcuts(redoKeys);
    connect(redo, &QAction::triggered, this, [this] { moveHistory(false); });
    addActions({undo, redo});

    connect(m_grid, &CellGrid::cellClicked, this, &MainWindow::cellClicked);
    connect(m_grid, &CellGrid::openRequested, this,
            [this](const QString &typed) { editCell(m_grid->currentCell(), typed, true); });
    connect(m_grid, &CellGrid::pageTurnRequested, this, &MainWindow::turnPage);
    connect(m_grid, &CellGrid::clearRequested, this, &MainWindow::clearCurrentCell);
    connect(m_grid, &CellGrid::copyRequested, this, &MainWindow::copyCurrentCell);
    connect(m_grid, &CellGrid::cutRequested, this, &MainWindow::cutCurrentCell);
    connect(m_grid, &CellGrid::pasteRequested, this, &MainWindow::pasteClipboard);
}

void MainWindow::turnPage(int step)
{
    if (step > 0)
        nextPage();
    else
        previousPage();
}

QStringList MainWindow::previousCellLines(int number) const
{
    if (number > 1)
        return m_grid->cell(number - 1)->lines();
    if (m_page > 1)
        return SheetPage::readPage(
            SheetPage::pageFileName(m_kindStem, m_page - 1))[SheetPage::CellCount - 1];
    return {};
}

void MainWindow::editCell(int number, const QString &typed, bool fromKeyboard)
{
    // An open dialog is never opened again inside itself (its type-ahead
    // sends what is typed meanwhile into its field).
    if (!m_labelDialog || m_labelDialog->isVisible())
        return;
    const QString text = QString::number(number);
    m_grid->setCurrentCell(number);
    fillDialogFromCell(text);
    const QStringList previous = previousCellLines(number);
    m_labelDialog->setPreviousFields(fieldsFromCell(m_kind, previous));
    // Seats are given out in order: an empty cell after a seat offers the next one.
    if (m_kind == 3 && !m_grid->cell(number)->hasText()
        && !SheetPage::lineOf(previous, 0).isEmpty())
        m_labelDialog->setFields(m_kind,
                                 LabelFill::followingSeat(fieldsFromCell(m_kind, previous)));
    if (!typed.isEmpty())
        m_labelDialog->startWith(typed);
    if (m_labelDialog->exec() != LabelDialog::SaveResult)
        return;
    writeDialogToCell(text);
    if (number < SheetPage::CellCount) {
        m_grid->setCurrentCell(number + 1);
    } else if (fromKeyboard) {
        const int page = m_page;
        nextPage();
        if (m_page != page)
            m_grid->setCurrentCell(1);
    }
}

void MainWindow::pushCellEdit(const QList<LabelFill::Placed> &placed, const QString &action)
{
    QList<CellEdit::Change> changes;
    for (const LabelFill::Placed &one : placed)
        changes.append({one.cell, one.lines});
    if (!changes.isEmpty())
        m_undo->push(new CellEdit(m_grid, changes, action));
}

void MainWindow::clearCurrentCell()
{
    const int number = m_grid->currentCell();
    if (m_grid->cell(number)->hasText())
        pushCellEdit({{m_page, number, {}}}, QStringLiteral("清除標籤"));
}

void MainWindow::copyCurrentCell()
{
    QGuiApplication::clipboard()->setText(
        LabelFill::tabLine(m_kind, m_grid->cell(m_grid->currentCell())->lines()));
}

void MainWindow::cutCurrentCell()
{
    copyCurrentCell();
    const int number = m_grid->currentCell();
    if (m_grid->cell(number)->hasText())
        pushCellEdit({{m_page, number, {}}}, QStringLiteral("剪下標籤"));
}

void MainWindow::pasteClipboard()
{
    // Spreadsheets copy tab-separated lines, quoting a cell that holds a
    // line break or a quote.
    const ListRead read = DelimitedText::parse(QGuiApplication::clipboard()->text(), u'\t');
    if (!read.ok()) {
        UserMessages::showError(this, read.problem);
        return;
    }
    QList<LabelFill::Row> rows;
    for (const ListRow &row : read.rows)
        rows.append({row.sourceRow, row.fields});
    fillRows(rows, QStringLiteral("貼上"));
}

std::optional<LabelFill::Plan> MainWindow::fillRows(const QList<LabelFill::Row> &rows,
                                                    const QString &action)
{
    // The other pages as read here are what a fill's undo writes back.
    QHash<int, SheetPage::Cells> read;
    const LabelFill::Plan plan =
        LabelFill::plan(m_kind, rows, m_page, m_grid->currentCell(), [&](int page) {
            if (page == m_page)
                return m_grid->contents();
            return read[page] = SheetPage::readPage(SheetPage::pageFileName(m_kindStem, page));
        });
    if (plan.overwritten > 0
        && UserMessages::askYesNo(
               this, QStringLiteral("將覆蓋 %1 個已有資料的標籤，是否繼續?").arg(plan.overwritten))
            != UserMessages::Answer::Yes)
        return std::nullopt;
    const bool whole = plan.placed.isEmpty() || applyFill(plan, action, read);
    if (!plan.skipped.isEmpty())
        UserMessages::showError(this, skippedReport(plan.skipped, action));
    return whole ? std::optional(plan) : std::nullopt;
}

void MainWindow::importList()
{
    const QString path =
        FileDialogs::openFileName(this, QStringLiteral("匯入名單"), QDir::currentPath(),
                                  QStringLiteral("名單 (*.csv *.tsv *.txt *.xlsx);;所有檔案 (*)"));
    if (path.isEmpty())
        return;
    // A long read shows its progress and can be stopped, which changes nothing.
    const ListRead read = RunProgress::during(this, [&](RunProgress &progress) {
        return readListFile(path, progress.stage(QStringLiteral("正在讀取名單…")));
    });
    if (read.cancelled)
        return;
    if (!read.ok()) {
        showFailure({path, read.problem, FileFailure::Action::Read});
        return;
    }
    ListImportDialog dialog(m_kind, read.rows, this);
    dialog.showNotice(read.notice);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<LabelFill::Plan> plan =
        fillRows(dialog.chosenRows(), QStringLiteral("匯入"));
    if (plan && !plan->placed.isEmpty())
        UserMessages::inform(this,
                             QStringLiteral("已匯入 %1 筆，第 %2 頁到第 %3 頁")
                                 .arg(plan->placed.size())
                                 .arg(plan->firstPage())
                                 .arg(plan->lastPage()));
}
