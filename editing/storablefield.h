#pragma once

#include <QString>

class QLineEdit;

// A dialog field holds what one line of a page file can store, so what the
// user sees is what is saved: line breaks and tabs (spreadsheet cells
// arrive with both) become spaces as they are typed or pasted, and the
// text stops at the length a page file read gives back.
namespace StorableField {

// Each line break (CRLF, CR or LF) and each tab as one space; those at
// either end of the text are dropped.
QString oneLine(const QString &text);

// Keeps `field` storable from now on, whatever way text comes in.
void attach(QLineEdit *field);

} // namespace StorableField
