#include "frontend/printeraccess.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace PrinterAccess {

namespace {
Hooks &hooks()
{
    static Hooks installed;
    return installed;
}
} // namespace

bool anyPrinterInstalled()
{
    if (hooks().anyPrinterInstalled)
        return hooks().anyPrinterInstalled();
    return !QPrinterInfo::availablePrinters().isEmpty();
}

bool choosePrinter(QWidget *parent, QPrinter &printer, int pageCount)
{
    if (hooks().choosePrinter)
        return hooks().choosePrinter(printer);
    printer.setFromTo(1, pageCount);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("列印"));
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

void setHooks(Hooks newHooks)
{
    hooks() = std::move(newHooks);
}

} // namespace PrinterAccess
