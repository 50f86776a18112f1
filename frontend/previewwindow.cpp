#include "frontend/previewwindow.h"

#include "composition/alignmentsheet.h"
#include "composition/pageoutput.h"
#include "composition/pdftarget.h"
#include "frontend/cutlabelsnote.h"
#include "frontend/filedialogs.h"
#include "frontend/paperdialog.h"
#include "frontend/pictures.h"
#include "frontend/printeraccess.h"
#include "frontend/runprogress.h"
#include "frontend/sheetview.h"
#include "frontend/unprintablebands.h"
#include "frontend/usermessages.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QColor OutlineColour(0, 120, 215);

// Where 匯出 PDF proposes to write, for the rest of the run: the folder last
// exported to, at first the documents folder.
QString &exportFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

} // namespace

PreviewWindow::PreviewWindow(Compose compose, const SheetRun::Built &first, QWidget *parent)
    : QDialog(parent, Qt::Window)
    , m_compose(std::move(compose))
    , m_run(first.run)
    , m_layout(fullPageLayout(m_run.paper()))
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(QStringLiteral("預覽"));
    setWindowState(Qt::WindowMaximized);
    m_preview = new SheetView(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    connect(m_preview, &SheetView::currentSheetChanged, this, &PreviewWindow::updatePageControls);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(findChild<QToolBar *>());
    layout->addWidget(m_preview, 1);
    auto *statusBar = new QStatusBar(this);
    m_status = new QLabel(statusBar);
    m_status->setObjectName(QStringLiteral("runStatus"));
    statusBar->addWidget(m_status, 1);
    m_cutLabels = new QLabel(statusBar);
    m_cutLabels->setObjectName(QStringLiteral("cutLabels"));
    m_cutLabels->setStyleSheet(QStringLiteral("color: #c00000;"));
    statusBar->addWidget(m_cutLabels);
    layout->addWidget(statusBar);
    showCutLabels();
    showRun();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildToolBar()
{
    auto *bar = new QToolBar(this);
    // Text under the icons: every tool fits a 1366-pixel screen.
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto standard = [this](QStyle::StandardPixmap pixmap) {
        return style()->standardIcon(pixmap);
    };
    const auto add = [this, bar](const QIcon &icon, const QString &text, const QKeySequence &key,
                                 auto slot) {
        QAction *action = bar->addAction(icon, text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(Pictures::glyph(Pictures::Glyph::Print), QStringLiteral("列印"), QKeySequence::Print,
        &PreviewWindow::print);
    add(standard(QStyle::SP_DialogSaveButton), QStringLiteral("匯出 PDF"), QKeySequence::Save,
        &PreviewWindow::exportPdf);
    bar->addSeparator();
    add(standard(QStyle::SP_ArrowUp), QStringLiteral("放大"), QKeySequence::ZoomIn,
        [this] { m_preview->zoomIn(); });
    add(standard(QStyle::SP_ArrowDown), QStringLiteral("縮小"), QKeySequence::ZoomOut,
        [this] { m_preview->zoomOut(); });
    add(standard(QStyle::SP_FileIcon), QStringLiteral("實際大小"),
        QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_preview->setZoomFactor(1.0); });
    add(standard(QStyle::SP_TitleBarMaxButton), QStringLiteral("符合寬度"), QKeySequence(),
        [this] { m_preview->fitToWidth(); });
    add(standard(QStyle::SP_TitleBarNormalButton), QStringLiteral("整頁"), QKeySequence(),
        [this] { m_preview->fitInView(); });
    bar->addSeparator();
    add(standard(QStyle::SP_MediaSkipBackward), QStringLiteral("第一頁"),
        QKeySequence(Qt::Key_Home), [this] { showPage(1); });
    add(standard(QStyle::SP_MediaSeekBackward), QStringLiteral("上一頁"),
        QKeySequence(Qt::Key_PageUp), [this] { showPage(currentPage() - 1); });
    m_pageField = new QSpinBox(bar);
    m_pageField->setObjectName(QStringLiteral("pageField"));
    bar->addWidget(m_pageField);
    m_pageTotal = new QLabel(bar);
    bar->addWidget(m_pageTotal);
    connect(m_pageField, &QSpinBox::valueChanged, this, &PreviewWindow::showPage);
    add(standard(QStyle::SP_MediaSeekForward), QStringLiteral("下一頁"),
        QKeySequence(Qt::Key_PageDown), [this] { showPage(currentPage() + 1); });
    add(standard(QStyle::SP_MediaSkipForward), QStringLiteral("最後頁"), QKeySequence(Qt::Key_End),
        [this] { showPage(pageCount()); });
    bar->addSeparator();
    add(standard(QStyle::SP_FileDialogDetailedView), QStringLiteral("版面設定"), QKeySequence(),
        &PreviewWindow::pageSetup);
    m_marginsAction = add(standard(QStyle::SP_FileDialogContentsView), QStringLiteral("調整邊界"),
                          QKeySequence(), &PreviewWindow::adjustMargins);
    m_marginsAction->setToolTip(QStringLiteral("設定上、左邊界（毫米），預覽隨即更新"));
    m_marginsAction->setVisible(false);
    m_alignmentAction = add(standard(QStyle::SP_FileDialogInfoView), QStringLiteral("對位測試頁"),
                            QKeySequence(), &PreviewWindow::showAlignmentSheet);
    m_alignmentAction->setCheckable(true);
    m_alignmentAction->setToolTip(
        QStringLiteral("印在白紙上，疊在標籤紙上對著光看：標籤邊緣落在刻度幾毫米，"
                       "該邊界就加上幾毫米"));
    m_alignmentAction->setVisible(false);
    m_outlines = new QCheckBox(QStringLiteral("顯示標籤框"), bar);
    m_outlines->setObjectName(QStringLiteral("showOutlines"));
    m_outlines->setToolTip(QStringLiteral("只在螢幕上畫出每張標籤的範圍，不會印出或匯出"));
    connect(m_outlines, &QCheckBox::toggled, this, &PreviewWindow::showOutlines);
    bar->addWidget(m_outlines);
    bar->addSeparator();
    add(standard(QStyle::SP_DialogCloseButton), QStringLiteral("關閉"), QKeySequence(),
        &PreviewWindow::reject);
}

void PreviewWindow::setDescription(Describe describe)
{
    m_describe = std::move(describe);
    updateStatus();
}

QString PreviewWindow::statusText() const
{
    return m_status->text();
}

void PreviewWindow::updateStatus()
{
    // The run's pages are not on the alignment sheet: say what is.
    if (m_showsAlignmentSheet)
        m_status->setText(
            QStringLiteral("對位測試頁：只有標籤框、編號與刻度，共 %1 張").arg(pageCount()));
    else
        m_status->setText(m_describe ? m_describe(pageCount()) : QString());
}

int PreviewWindow::pageCount() const
{
    return m_run.sheetCount();
}

int PreviewWindow::currentPage() const
{
    return m_preview->currentSheet();
}

double PreviewWindow::zoomFactor() const
{
    return m_preview->zoomFactor();
}

void PreviewWindow::showCutLabels()
{
    const QString note = cutLabelsNote(m_run);
    m_cutLabels->setText(note);
    m_cutLabels->setVisible(!note.isEmpty());
}

void PreviewWindow::updatePageControls()
{
    const QSignalBlocker quiet(m_pageField);
    m_pageField->setRange(1, std::max(1, pageCount()));
    m_pageField->setValue(currentPage());
    m_pageTotal->setText(QStringLiteral(" / %1 頁 ").arg(pageCount()));
}

void PreviewWindow::showPage(int page)
{
    m_preview->showSheet(page);
    updatePageControls();
}

void PreviewWindow::showRun()
{
    const ReportPage paper = m_run.paper();
    m_preview->setSheets(pageCount(), QSizeF(paper.paperWidthMm, paper.paperHeightMm),
                         [this](int number) { return shownSheet(number); });
    updatePageControls();
}

ComposedPage PreviewWindow::shownSheet(int number) const
{
    ComposedPage shown;
    m_run.forEachSheet(number, number, [&shown](const ComposedPage &sheet) {
        shown = sheet;
        return false;
    });
    if (m_outlines->isChecked() && !m_showsAlignmentSheet)
        shown.marks = labelOutlines(shown, OutlineColour);
    return shown;
}

void PreviewWindow::exportPdf()
{
    const QString proposed =
        QDir(exportFolder()).filePath(OutputNames::pdfFileName(shownContents()));
    const QString path =
        FileDialogs::saveFileName(this, QStringLiteral("匯出 PDF"), proposed,
                                  QStringLiteral("PDF 檔 (*.pdf)"), &PdfTarget::refusal);
    if (path.isEmpty())
        return;
    const OutputResult written = RunProgress::during(this, [&](RunProgress &progress) {
        return writeSheetsPdf(path, m_run, {OutputNames::title(shownContents())},
                              progress.stage(QStringLiteral("正在匯出 PDF…")));
    });
    if (written.status == OutputResult::Status::Failed)
        UserMessages::showFailure(this, written.failure);
    if (!written.done())
        return;
    exportFolder() = QFileInfo(path).absolutePath();
    UserMessages::inform(this,
                         QStringLiteral("已匯出 PDF 檔：\n%1")
                             .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
}

bool PreviewWindow::confirmUnprintableBand(const QPrinter &printer)
{
    if (pageCount() == 0)
        return true;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QList<UnprintableBands::Overlap> overlaps =
        UnprintableBands::overlaps(m_run.sheets(), layout.minimumMargins());
    if (overlaps.isEmpty())
        return true;
    return UserMessages::askGoOnOrBack(this, UnprintableBands::question(overlaps),
                                       QStringLiteral("列印(&P)"), QStringLiteral("返回(&R)"))
        == UserMessages::Answer::Yes;
}

void PreviewWindow::print()
{
    if (!PrinterAccess::anyPrinterInstalled()) {
        UserMessages::showError(this,
                                QStringLiteral("系統中沒有安裝任何印表機，無法列印。\n"
                                               "請先安裝印表機，或改用「匯出 PDF」存成檔案。"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    // The origin at the paper's corner: labels are placed by their true
    // distances from it, whatever the printer cannot reach.
    printer.setPageLayout(m_layout);
    printer.setFullPage(true);
    printer.setDocName(OutputNames::title(shownContents()));
    if (!PrinterAccess::choosePrinter(this, printer, pageCount()))
        return;
    printer.setFullPage(true);
    if (!printer.isValid()) {
        UserMessages::showError(this, QStringLiteral("Printer selected is not valid"));
        return;
    }
    if (!confirmUnprintableBand(printer))
        return;
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int from = range ? printer.fromPage() : 1;
    const int to = range ? printer.toPage() : pageCount();
    const OutputResult printed = RunProgress::during(this, [&](RunProgress &progress) {
        return drawSheets(printer, m_run, from, to, progress.stage(QStringLiteral("正在列印…")),
                          [&printer] { printer.abort(); });
    });
    if (printed.status == OutputResult::Status::Failed)
        UserMessages::showError(this, QStringLiteral("Printer selected is not valid"));
}

void PreviewWindow::pageSetup()
{
    const ReportPage paper = m_run.paper();
    PaperDialog dialog(m_layout.pageSize(), paper.topMarginMm, paper.leftMarginMm, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    changePaper(dialog.paper());
}

void PreviewWindow::changePaper(const QPageSize &paper)
{
    adopt((m_showsAlignmentSheet ? m_composeAlignmentSheet : m_compose)(paper));
}

void PreviewWindow::composeAgain()
{
    changePaper(m_layout.pageSize());
}

void PreviewWindow::setPrintedPages(const PrintedPages &pages)
{
    m_printedPages = pages;
}

PrintedPages PreviewWindow::shownContents() const
{
    PrintedPages shown = m_printedPages;
    shown.alignmentSheet = shown.alignmentSheet || m_showsAlignmentSheet;
    return shown;
}

void PreviewWindow::setAlignmentSheet(Compose compose)
{
    m_composeAlignmentSheet = std::move(compose);
    m_alignmentAction->setVisible(bool(m_composeAlignmentSheet));
}

void PreviewWindow::setMarginAdjuster(std::function<bool(QWidget *)> adjust)
{
    m_adjustMargins = std::move(adjust);
    m_marginsAction->setVisible(bool(m_adjustMargins));
}

QString PreviewWindow::alignmentSheetTitle()
{
    return QStringLiteral("預覽 － 對位測試頁（印在白紙上，疊在標籤紙上對光核對）");
}

void PreviewWindow::showAlignmentSheet(bool shown)
{
    if (!m_composeAlignmentSheet)
        return;
    m_showsAlignmentSheet = shown;
    {
        const QSignalBlocker quiet(m_alignmentAction);
        m_alignmentAction->setChecked(shown);
    }
    m_outlines->setEnabled(!shown);
    setWindowTitle(shown ? alignmentSheetTitle() : QStringLiteral("預覽"));
    composeAgain();
}

void PreviewWindow::showOutlines(bool shown)
{
    {
        const QSignalBlocker quiet(m_outlines);
        m_outlines->setChecked(shown);
    }
    m_preview->redraw();
}

void PreviewWindow::adjustMargins()
{
    if (m_adjustMargins && m_adjustMargins(this))
        composeAgain();
}

void PreviewWindow::adopt(const SheetRun::Built &composition)
{
    if (composition.status == CompositionStatus::NoRowFits) {
        UserMessages::showError(this,
                                QStringLiteral("這種紙張或邊界放不下任何一列標籤，版面維持原樣。"));
        return;
    }
    if (composition.status != CompositionStatus::Composed)
        return;
    m_run = composition.run;
    updateStatus();
    showCutLabels();
    m_layout = fullPageLayout(m_run.paper());
    // New contents start at the top of the first sheet.
    showRun();
}
