#pragma once

#include "composition/composer.h"

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
    // Composes the pages for the given paper.
    using Compose = std::function<Composition(const QPageSize &paper)>;

    PreviewWindow(Compose compose, const Composition &first, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    int pageCount() const;
    const QList<ComposedPage> &pages() const { return m_pages; }
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
    void adopt(const Composition &composition);
    void updatePageControls();
    bool confirmUnprintableBand(const QPrinter &printer);

    Compose m_compose;
    QList<ComposedPage> m_pages;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_preview;
    QSpinBox *m_pageField = nullptr;
    QLabel *m_pageTotal = nullptr;
};
