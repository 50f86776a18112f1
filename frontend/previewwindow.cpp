#include "frontend/previewwindow.h"

#include "frontend/cutlabelsnote.h"
#include "frontend/filedialogs.h"
#include "composition/pageoutput.h"
#include "frontend/pictures.h"
#include "frontend/printeraccess.h"
#include "frontend/runprogress.h"
#include "frontend/usermessages.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

PreviewWindow::PreviewWindow(Compose compose, const SheetRun::Built &first, QWidget *parent)
    : QDialog(parent, Qt::Window)
    , m_compose(std::move(compose))
    , m_run(first.run)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(QStringLiteral("預覽"));
    setWindowState(Qt::WindowMaximized);
    // The origin at the paper's corner: labels are placed by their true
    // distances from it, whatever the printer cannot reach.
    m_printer->setPageLayout(fullPageLayout(m_run.paper()));
    m_printer->setFullPage(true);

    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("preview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::paintPages);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &PreviewWindow::updatePageControls);

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

    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(1.0);
    m_preview->updatePreview();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto standard = [this](QStyle::StandardPixmap pixmap) { return style()->standardIcon(pixmap); };
    const auto add = [this, bar](const QIcon &icon, const QString &text, const QKeySequence &key, auto slot) {
        QAction *action = bar->addAction(icon, text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(Pictures::glyph(Pictures::Glyph::Print), QStringLiteral("列印"), QKeySequence::Print, &PreviewWindow::print);
    add(standard(QStyle::SP_DialogSaveButton), QStringLiteral("匯出 PDF"), QKeySequence::Save,
        &PreviewWindow::exportPdf);
    bar->addSeparator();
    add(standard(QStyle::SP_ArrowUp), QStringLiteral("放大"), QKeySequence::ZoomIn, [this] { m_preview->zoomIn(); });
    add(standard(QStyle::SP_ArrowDown), QStringLiteral("縮小"), QKeySequence::ZoomOut, [this] { m_preview->zoomOut(); });
    add(standard(QStyle::SP_FileIcon), QStringLiteral("實際大小"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] {
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->setZoomFactor(1.0);
    });
    add(standard(QStyle::SP_TitleBarMaxButton), QStringLiteral("符合寬度"), QKeySequence(),
        [this] { m_preview->fitToWidth(); });
    add(standard(QStyle::SP_TitleBarNormalButton), QStringLiteral("整頁"), QKeySequence(),
        [this] { m_preview->fitInView(); });
    bar->addSeparator();
    add(standard(QStyle::SP_MediaSkipBackward), QStringLiteral("第一頁"), QKeySequence(Qt::Key_Home),
        [this] { m_preview->setCurrentPage(1); });
    add(standard(QStyle::SP_MediaSeekBackward), QStringLiteral("上一頁"), QKeySequence(Qt::Key_PageUp),
        [this] { m_preview->setCurrentPage(currentPage() - 1); });
    m_pageField = new QSpinBox(bar);
    m_pageField->setObjectName(QStringLiteral("pageField"));
    bar->addWidget(m_pageField);
    m_pageTotal = new QLabel(bar);
    bar->addWidget(m_pageTotal);
    connect(m_pageField, &QSpinBox::valueChanged, this, [this](int page) { m_preview->setCurrentPage(page); });
    add(standard(QStyle::SP_MediaSeekForward), QStringLiteral("下一頁"), QKeySequence(Qt::Key_PageDown),
        [this] { m_preview->setCurrentPage(currentPage() + 1); });
    add(standard(QStyle::SP_MediaSkipForward), QStringLiteral("最後頁"), QKeySequence(Qt::Key_End),
        [this] { m_preview->setCurrentPage(pageCount()); });
    bar->addSeparator();
    add(standard(QStyle::SP_FileDialogDetailedView), QStringLiteral("版面設定"), QKeySequence(), &PreviewWindow::pageSetup);
    bar->addSeparator();
    add(standard(QStyle::SP_DialogCloseButton), QStringLiteral("關閉"), QKeySequence(), &PreviewWindow::reject);
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
    m_status->setText(m_describe ? m_describe(pageCount()) : QString());
}

int PreviewWindow::pageCount() const
{
    return m_run.sheetCount();
}

int PreviewWindow::currentPage() const
{
    return m_preview->currentPage();
}

double PreviewWindow::zoomFactor() const
{
    return m_preview->zoomFactor();
}

void PreviewWindow::showCutLabels()
{
    const QString note = cutLabelsNote(pages());
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

void PreviewWindow::paintPages(QPrinter *printer)
{
    drawSheets(*printer, m_run, 1, pageCount());
}

void PreviewWindow::exportPdf()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = FileDialogs::saveFileName(this, QStringLiteral("匯出 PDF"),
                                                   QDir(documents).filePath(QStringLiteral("標籤.pdf")),
                                                   QStringLiteral("PDF 檔 (*.pdf)"));
    if (path.isEmpty())
        return;
    RunProgress progress(this);
    const OutputResult written
        = writeSheetsPdf(path, m_run, {QStringLiteral("標籤")}, progress.stage(QStringLiteral("正在匯出 PDF…")));
    if (written.status == OutputResult::Status::Failed)
        UserMessages::showError(this, QStringLiteral("無法寫入 PDF 檔：%1\n原因：%2")
                                          .arg(QDir::toNativeSeparators(path), written.problem));
}

bool PreviewWindow::confirmUnprintableBand(const QPrinter &printer)
{
    if (pageCount() == 0)
        return true;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF reach = layout.minimumMargins();
    const ReportPage paper = m_run.paper();
    const double lowestRow = [&] {
        double bottom = 0;
        m_run.forEachSheet(1, pageCount(), [&bottom](const ComposedPage &page) {
            for (const PlacedLabel &label : page.labels) {
                for (const ComposedTextBox &box : label.boxes)
                    bottom = std::max(bottom, millimetresFromPaperCorner(page, box.rect.bottomLeft()).y());
            }
            return true;
        });
        return bottom;
    }();
    const bool clipped = paper.topMarginMm < reach.top() || paper.leftMarginMm < reach.left()
        || lowestRow > paper.paperHeightMm - reach.bottom();
    if (!clipped)
        return true;
    return UserMessages::askYesNoCancel(
               this, QStringLiteral("這台印表機的紙邊有無法列印的範圍（上 %1、下 %2、左 %3 毫米），"
                                    "部分標籤的文字可能印不出來。\n\n仍要列印嗎？")
                         .arg(reach.top(), 0, 'f', 1)
                         .arg(reach.bottom(), 0, 'f', 1)
                         .arg(reach.left(), 0, 'f', 1))
        == UserMessages::Answer::Yes;
}

void PreviewWindow::print()
{
    if (!PrinterAccess::anyPrinterInstalled()) {
        UserMessages::showError(this, QStringLiteral("系統中沒有安裝任何印表機，無法列印。\n"
                                                     "請先安裝印表機，或改用「匯出 PDF」存成檔案。"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_printer->pageLayout());
    printer.setFullPage(true);
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
    RunProgress progress(this);
    const OutputResult printed = drawSheets(printer, m_run, from, to, progress.stage(QStringLiteral("正在列印…")),
                                            [&printer] { printer.abort(); });
    if (printed.status == OutputResult::Status::Failed)
        UserMessages::showError(this, QStringLiteral("Printer selected is not valid"));
}

void PreviewWindow::pageSetup()
{
    QPageSetupDialog dialog(m_printer.get(), this);
    dialog.setWindowTitle(QStringLiteral("版面設定"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    changePaper(m_printer->pageLayout().pageSize());
}

void PreviewWindow::changePaper(const QPageSize &paper)
{
    adopt(m_compose(paper));
}

void PreviewWindow::adopt(const SheetRun::Built &composition)
{
    if (composition.status == CompositionStatus::NoRowFits) {
        UserMessages::showError(this, QStringLiteral("這種紙張上放不下任何一列標籤，版面維持原樣。"));
        return;
    }
    if (composition.status != CompositionStatus::Composed)
        return;
    m_run = composition.run;
    updateStatus();
    showCutLabels();
    m_printer->setPageLayout(fullPageLayout(m_run.paper()));
    m_printer->setFullPage(true);
    m_preview->updatePreview();
}
