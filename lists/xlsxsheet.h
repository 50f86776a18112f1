#pragma once

#include "lists/listrows.h"

// The first visible sheet of an .xlsx workbook (Office Open XML), found as
// the workbook and its relationships name it. Shared and inline strings,
// numbers, booleans and formula results are read as the text they hold; a
// row keeps the number the spreadsheet shows. A file that is not a whole
// workbook gives a problem instead of rows.
ListRead readXlsxFirstSheet(const QString &path);
