#pragma once

#include "composition/sheetrun.h"
#include "frontend/outputnames.h"

#include <QDialog>
#include <QPageLayout>
#include <QPageSize>

#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QPrinter;
class QSpinBox;
class SheetView;

// The preview and print window: shows composed label pages at their true
// size, prints them through the print dialog with every label at its
// distance from the paper's corner, exports them to PDF, and composes again
// from the first record when the page setup changes.
class PreviewWindow : public QDialog
{
    Q_OBJECT

public:
    // Composes the run's sheets for the given paper.
    using Compose = std::function<SheetRun::Built(const QPageSize &paper)>;
    // The status line for a run of so many sheets.
    using Describe = std::function<QString(int sheetCount)>;

    PreviewWindow(Compose compose, const SheetRun::Built &first, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    void setDescription(Describe describe);
    QString statusText() const;

    // What the run holds, for the exported file's name and the job title.
    void setPrintedPages(const PrintedPages &pages);
    // Composes the alignment sheet; without it 對位測試頁 stays hidden.
    void setAlignmentSheet(Compose compose);
    // Opens the margin dialog; true when new margins were stored, and the
    // sheets are then composed again. Without it 調整邊界 stays hidden.
    void setMarginAdjuster(std::function<bool(QWidget *parent)> adjust);

    static QString alignmentSheetTitle();
    // Shows the alignment sheet instead of the labels, or the labels again.
    void showAlignmentSheet(bool shown);
    bool showsAlignmentSheet() const { return m_showsAlignmentSheet; }
    // Label outlines over the labels, on screen only.
    void showOutlines(bool shown);
    void adjustMargins();
    void showPage(int page);

    // Sheets of the whole run; pages() composes them all at once.
    int pageCount() const;
    QList<ComposedPage> pages() const { return m_run.sheets(); }
    int currentPage() const;
    double zoomFactor() const;

    void print();
    void exportPdf();
    void pageSetup();
    // Composes again, from the first record, for another paper.
    void changePaper(const QPageSize &paper);

private:
    void buildToolBar();
    ComposedPage shownSheet(int number) const;
    void adopt(const SheetRun::Built &composition);
    void showRun();
    void updateStatus();
    void composeAgain();
    PrintedPages shownContents() const;
    void updatePageControls();
    void showCutLabels();
    bool confirmUnprintableBand(const QPrinter &printer);

    Compose m_compose;
    SheetRun m_run;
    Describe m_describe;
    Compose m_composeAlignmentSheet;
    std::function<bool(QWidget *)> m_adjustMargins;
    PrintedPages m_printedPages;
    bool m_showsAlignmentSheet = false;
    QPageLayout m_layout;
    SheetView *m_preview;
    QSpinBox *m_pageField = nullptr;
    QLabel *m_pageTotal = nullptr;
    QLabel *m_status = nullptr;
    QAction *m_alignmentAction = nullptr;
    QAction *m_marginsAction = nullptr;
    QCheckBox *m_outlines = nullptr;
    QLabel *m_cutLabels = nullptr;
};
