#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The line grammar shared by reading and writing.
namespace IniParse {

// Blanks are spaces and tabs only: a leading ideographic space is part of a
// Chinese value and must survive.
QStringView trimBlanks(QStringView text);

// The name a lookup compares, case folded.
QString foldName(QStringView name);

// "[name]" (the closing bracket may be missing): the trimmed name.
std::optional<QStringView> sectionName(QStringView line);

struct Entry {
    QStringView key; // trimmed
    QStringView value; // trimmed, quotes still on
};
// "key=value": lines without an equals sign are not entries.
std::optional<Entry> entry(QStringView line);

// The value as a reader gets it: quotes taken off, cut to maxLength without
// splitting a surrogate pair.
QString readValue(QStringView rawValue, qsizetype maxLength);

// The text written after the equals sign so that reading gives `value`
// back: a value with blanks at its ends or wrapped in a pair of quotes is
// put in double quotes, which readers (ours and Windows') take off again.
QString storedValue(const QString &value);

} // namespace IniParse
