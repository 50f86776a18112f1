// The print run: the cells on screen, saved or not, as 70 records of the
// current kind's label sheet, and as many following pages from their files
// as 可列印頁數 asks for, previewed and printed.
#include "mainwindow/mainwindow.h"

#include "composition/alignmentsheet.h"
#include "editing/stylepanel.h"
#include "frontend/previewwindow.h"
#include "frontend/runprogress.h"
#include "frontend/usermessages.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/pagecountfield.h"
#include "printing/margindialog.h"
#include "printrun/cellsfeed.h"
#include "printrun/printrun.h"
#include "printrun/runpages.h"

#include <QCheckBox>

namespace {

PrintRun::BoxStyle boxStyle(const TextStylePanel *panel)
{
    return {panel->fontName(), double(panel->size()), panel->color()};
}

} // namespace

void MainWindow::preview()
{
    if (const std::unique_ptr<PreviewWindow> preview = makePreview())
        preview->exec();
    focusGrid();
}

std::unique_ptr<PreviewWindow> MainWindow::makePreview()
{
    const PrintRun::Margins margins = PrintRun::readMargins(m_folder.settings());
    const std::optional<LabelTemplate> prepared = preparedSheet(margins);
    if (!prepared)
        return nullptr;
    const int last = PrintRun::lastPageOfRun(m_page, m_pageCount->count());
    std::optional<PrintRun::RunPages> pages;
    std::optional<SheetRun::Built> composed;
    RunProgress::during(this, [&](RunProgress &progress) {
        const auto stage = [&](const QString &what) {
            return progress.stage(
                QStringLiteral("%1%2…").arg(what, PrintRun::pageSpanText(m_page, last)));
        };
        pages = PrintRun::collectPages(QString(), m_kindStem, m_page, last,
                                       PrintRun::ShownPage{m_page, m_grid->contents()},
                                       stage(QStringLiteral("正在讀取")));
        if (pages && !pages->pages.isEmpty())
            composed = PrintRun::composeRun(*prepared, *pages, stage(QStringLiteral("正在排版")));
    });
    if (!pages)
        return nullptr;
    if (pages->pages.isEmpty()) {
        UserMessages::showError(this,
                                QStringLiteral("%1都沒有資料，沒有可以列印的標籤。")
                                    .arg(PrintRun::pageSpanText(m_page, last)));
        return nullptr;
    }
    const SheetRun::Built &first = *composed;
    if (first.status == CompositionStatus::NoRowFits)
        UserMessages::showError(this, PrintRun::noRowFitsMessage(margins));
    if (first.status != CompositionStatus::Composed)
        return nullptr;
    // Margins and fonts read afresh for each composition: 調整邊界 changes
    // the margins while the preview is open.
    const auto sheetFor = [this](const QPageSize &paper) {
        LabelTemplate sheet = *PrintRun::preparedTemplate(
            m_kind, PrintRun::readMargins(m_folder.settings()), boxStyle(m_namePanel),
            boxStyle(m_thirdPanel), boxStyle(m_addressPanel));
        PrintRun::setPaper(sheet, paper);
        return sheet;
    };
    auto preview = std::make_unique<PreviewWindow>(
        [sheetFor, pages](const QPageSize &paper) {
            return PrintRun::composeRun(sheetFor(paper), *pages);
        },
        first, this);
    preview->setDescription([pages](int sheets) { return PrintRun::runSummary(*pages, sheets); });
    preview->setPrintedPages({m_kindStem, m_page, last});
    preview->setAlignmentSheet(
        [sheetFor](const QPageSize &paper) { return composeAlignmentSheet(sheetFor(paper)); });
    preview->setMarginAdjuster([this](QWidget *parent) { return editMargins(parent); });
    return preview;
}

bool MainWindow::editMargins(QWidget *parent)
{
    const bool stored = MarginEditing::edit(parent, m_kind, m_folder);
    tellSettingsKept(stored);
    return stored;
}

std::optional<LabelTemplate> MainWindow::preparedSheet(const PrintRun::Margins &margins) const
{
    std::optional<LabelTemplate> prepared = PrintRun::preparedTemplate(
        m_kind, margins, boxStyle(m_namePanel), boxStyle(m_thirdPanel), boxStyle(m_addressPanel));
    if (prepared)
        prepared->shrinkToFit = m_autoShrink->isChecked();
    return prepared;
}

std::optional<QString> MainWindow::value(const QString &field) const
{
    // n4, n5 and anything else stay unanswered.
    const std::optional<int> line = cellLineOfField(field);
    if (!line)
        return std::nullopt;
    const LabelCell *memo = m_grid->cell(m_record);
    return memo ? memo->line(*line) : QString();
}
