#pragma once

#include "lists/listrows.h"

class QIODevice;

// The first visible sheet of an .xlsx workbook (Office Open XML) on
// `device`, found as the workbook and its relationships name it. Shared and
// inline strings, numbers, booleans and formula results are read as the
// text they hold; a row keeps the number the spreadsheet shows. A file that
// is not a whole workbook, or has no value in its sheet, gives a problem
// instead of rows. Read within ListLimits, each part's inflated size
// checked before it is inflated and bounded while it is; `progress` hears
// of the sheet and its strings.
ListRead readXlsxFirstSheet(QIODevice *device, const ListProgress &progress = {});
