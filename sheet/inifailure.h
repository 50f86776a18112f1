#pragma once

#include <QString>

#include <optional>

// Why a write to an INI file did not happen. The file itself is left exactly
// as it was whenever one of these is returned.
struct IniFailure {
    QString path;    // the path as the caller gave it
    QString reason;  // what the system said, for the user and for logs

    // The text the Windows profile functions used; callers show it as is.
    QString message() const { return QStringLiteral("Unable to write to %1").arg(path); }
};

// Empty on success.
using IniWriteResult = std::optional<IniFailure>;
