#pragma once

#include "composition/sheetrun.h"

#include <QDialog>
#include <QPageSize>

#include <functional>
#include <memory>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QSpinBox;

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
    void paintPages(QPrinter *printer);
    void adopt(const SheetRun::Built &composition);
    void updateStatus();
    void updatePageControls();
    void showCutLabels();
    bool confirmUnprintableBand(const QPrinter &printer);

    Compose m_compose;
    SheetRun m_run;
    Describe m_describe;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_preview;
    QSpinBox *m_pageField = nullptr;
    QLabel *m_pageTotal = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_cutLabels = nullptr;
};
