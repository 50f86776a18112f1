#pragma once

#include "files/filefailure.h"

#include <QString>

// One-value access to an INI file, each call a complete read or a complete
// read-modify-save of the file. For many values at once use IniDocument.
namespace IniUtil {

// The stored value, or empty text when the file, section or key is missing.
QString readString(const QString &path, const QString &section, const QString &key);

// The stored value as a decimal number with a decimal point; -1.0 when the
// file, section or key is missing, the value is empty or not a number.
double readFloat(const QString &path, const QString &section, const QString &key);

// Stores the value, creating file, section and key as needed.
[[nodiscard]] FileResult writeString(const QString &path, const QString &section,
                                     const QString &key, const QString &value);

// The conversion readFloat applies, for values already read.
double parseIniFloat(const QString &text, double fallback);

} // namespace IniUtil
