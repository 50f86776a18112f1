#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The system's printers and its print dialog. Tests replace both so that no
// dialog opens and nothing reaches a real printer.
namespace PrinterAccess {

bool anyPrinterInstalled();

// Shows the print dialog on `printer` (printer choice, page range, copies);
// true when the user confirmed.
bool choosePrinter(QWidget *parent, QPrinter &printer, int pageCount);

struct Hooks {
    std::function<bool()> anyPrinterInstalled;
    std::function<bool(QPrinter &)> choosePrinter;
};
void setHooks(Hooks hooks);

} // namespace PrinterAccess
