#pragma once

#include "lists/listrows.h"

#include <QStringView>

// Text lists with one record a line and RFC 4180 quoting: a field in double
// quotes may hold separators, line breaks and doubled quotes.
namespace DelimitedText {

// A "CSV" is read as tab-separated when, in its first lines, at least as
// many lines hold a tab as hold a comma: spreadsheets save and copy
// tab-separated text, and addresses may hold commas.
QChar guessSeparator(QStringView text);

// Records are numbered from 1 in the order they stand; line breaks inside a
// quoted field do not start a new record. A quote left open at the end is a
// problem naming its record. Read within ListLimits, telling `progress`.
ListRead parse(QStringView text, QChar separator, const ListProgress &progress = {});

} // namespace DelimitedText
