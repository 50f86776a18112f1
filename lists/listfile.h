#pragma once

#include "lists/listrows.h"

#include <QByteArray>
#include <QString>

// Reads a list file by what it holds: an .xlsx workbook's first sheet, or
// text (CSV, TSV, TXT) in UTF-8 with or without BOM, UTF-16 with BOM or
// Big5/CP950. TSV and TXT are tab-separated; a CSV is comma-separated unless
// it is clearly tab-separated. Files over ListLimits::MaxFileBytes and files
// without a value are refused; `progress` hears of a long read and may stop it.
ListRead readListFile(const QString &path, const ListProgress &progress = {});

// The text part of the above, for bytes already in memory; `fileName`
// decides the separator by its suffix.
ListRead readListText(QByteArray bytes, const QString &fileName, const ListProgress &progress = {});
