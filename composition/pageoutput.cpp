#include "composition/pageoutput.h"

#include "composition/pagedrawing.h"
#include "composition/pdftarget.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

OutputResult failed(const QString &reason, const QString &path = {})
{
    return {OutputResult::Status::Failed, {path, reason}};
}

} // namespace

QPageLayout fullPageLayout(const ReportPage &paper)
{
    const QPageSize size(QSizeF(paper.paperWidthMm, paper.paperHeightMm), QPageSize::Millimeter,
                         QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

OutputResult drawSheets(QPagedPaintDevice &device, const SheetRun &sheets, int first, int last,
                        const OutputProgress &progress, const std::function<void()> &abandon)
{
    first = std::max(first, 1);
    last = std::min(last, sheets.sheetCount());
    QPainter painter;
    if (!painter.begin(&device))
        return failed(QStringLiteral("無法開始輸出"));
    int drawn = 0;
    OutputResult result;
    sheets.forEachSheet(first, last, [&](const ComposedPage &sheet) {
        if (drawn > 0 && !device.newPage()) {
            result = failed(QStringLiteral("無法開始新的一頁"));
            return false;
        }
        drawComposedPage(painter, sheet);
        ++drawn;
        if (progress && !progress(drawn, last - first + 1)) {
            result.status = OutputResult::Status::Cancelled;
            return false;
        }
        return true;
    });
    if (result.status == OutputResult::Status::Cancelled && abandon)
        abandon();
    if (!result.done()) {
        painter.end();
        return result;
    }
    if (!painter.end())
        return failed(QStringLiteral("無法完成輸出"));
    return {};
}

OutputResult writeSheetsPdf(QIODevice &out, const SheetRun &sheets, const PdfDocument &document,
                            const OutputProgress &progress)
{
    QPdfWriter writer(&out);
    writer.setResolution(document.dotsPerInch);
    writer.setCreator(QStringLiteral("岑禾"));
    writer.setTitle(document.title);
    writer.setPageLayout(fullPageLayout(sheets.paper()));
    const OutputResult result = drawSheets(writer, sheets, 1, sheets.sheetCount(), progress);
    if (result.status == OutputResult::Status::Failed)
        return failed(QStringLiteral("無法產生 PDF 內容"));
    return result;
}

OutputResult writeSheetsPdf(const QString &path, const SheetRun &sheets,
                            const PdfDocument &document, const OutputProgress &progress)
{
    if (const QString refusal = PdfTarget::refusal(path); !refusal.isEmpty())
        return failed(refusal, path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString(), path);
    OutputResult result = writeSheetsPdf(file, sheets, document, progress);
    if (!result.done()) {
        file.cancelWriting();
        result.failure.path = path;
        return result;
    }
    if (!file.commit())
        return failed(file.errorString(), path);
    return result;
}
