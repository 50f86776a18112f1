#pragma once

#include "composition/sheetrun.h"
#include "files/filefailure.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QIODevice;
class QPagedPaintDevice;

// Composed sheets sent to a paged device (printer, PDF), one device page a
// sheet, with the origin at the paper's corner. Used by the preview, the
// command line, the tests and the benchmarks alike.

// Told after each sheet drawn: sheets done and sheets in all. Returning
// false cancels the output.
using OutputProgress = std::function<bool(int done, int total)>;

struct OutputResult {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Done;
    // When Failed: why. Its path is the PDF file's, and empty for a device
    // whose name only the caller knows (a printer).
    FileFailure failure;

    bool done() const { return status == Status::Done; }
};

// The paper of `paper` with no margins: device origin at the paper's corner.
QPageLayout fullPageLayout(const ReportPage &paper);

// Begins a painter on `device` and draws sheets `first`..`last` (1 upward,
// clamped to the run), a new device page before each but the first; each
// page of the run is composed as its sheets come. On cancel `abandon` runs before the painter ends
// (a printer's abort(), so that no job is sent).
OutputResult drawSheets(QPagedPaintDevice &device, const SheetRun &sheets, int first, int last,
                        const OutputProgress &progress = {},
                        const std::function<void()> &abandon = {});

struct PdfDocument {
    QString title;
    int dotsPerInch = 600;
};

// All sheets as one PDF written to `out`.
OutputResult writeSheetsPdf(QIODevice &out, const SheetRun &sheets, const PdfDocument &document,
                            const OutputProgress &progress = {});

// The same into the file at `path` through a QSaveFile: the file appears or
// is replaced only when complete, and stays as it was on failure or cancel.
// A path PdfTarget refuses fails at once.
OutputResult writeSheetsPdf(const QString &path, const SheetRun &sheets,
                            const PdfDocument &document, const OutputProgress &progress = {});
