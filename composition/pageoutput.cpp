#include "composition/pageoutput.h"

#include "composition/pagedrawing.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

OutputResult failed(const QString &problem)
{
    return {OutputResult::Status::Failed, problem};
}

} // namespace

ReportPage paperOf(const QList<ComposedPage> &sheets)
{
    return sheets.isEmpty() ? ReportPage{210, 297, 9, 0, 0, 0, 0} : sheets.first().paper;
}

QPageLayout fullPageLayout(const ReportPage &paper)
{
    const QPageSize size(QSizeF(paper.paperWidthMm, paper.paperHeightMm), QPageSize::Millimeter, QString(),
                         QPageSize::FuzzyMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

OutputResult drawSheets(QPagedPaintDevice &device, const QList<ComposedPage> &sheets, int first, int last,
                        const OutputProgress &progress, const std::function<void()> &abandon)
{
    first = std::max(first, 1);
    last = std::min(last, int(sheets.size()));
    QPainter painter;
    if (!painter.begin(&device))
        return failed(QStringLiteral("無法開始輸出"));
    for (int sheet = first; sheet <= last; ++sheet) {
        if (sheet > first && !device.newPage())
            return failed(QStringLiteral("無法開始新的一頁"));
        drawComposedPage(painter, sheets[sheet - 1]);
        if (progress && !progress(sheet - first + 1, last - first + 1)) {
            if (abandon)
                abandon();
            painter.end();
            return {OutputResult::Status::Cancelled, {}};
        }
    }
    if (!painter.end())
        return failed(QStringLiteral("無法完成輸出"));
    return {};
}

OutputResult writeSheetsPdf(QIODevice &out, const QList<ComposedPage> &sheets, const PdfDocument &document,
                            const OutputProgress &progress)
{
    QPdfWriter writer(&out);
    writer.setResolution(document.dotsPerInch);
    writer.setCreator(QStringLiteral("岑禾"));
    writer.setTitle(document.title);
    writer.setPageLayout(fullPageLayout(paperOf(sheets)));
    const OutputResult result = drawSheets(writer, sheets, 1, int(sheets.size()), progress);
    if (result.status == OutputResult::Status::Failed)
        return failed(QStringLiteral("無法產生 PDF 內容"));
    return result;
}

OutputResult writeSheetsPdf(const QString &path, const QList<ComposedPage> &sheets, const PdfDocument &document,
                            const OutputProgress &progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    const OutputResult result = writeSheetsPdf(file, sheets, document, progress);
    if (!result.done()) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return failed(file.errorString());
    return result;
}
