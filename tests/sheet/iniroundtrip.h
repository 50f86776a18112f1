#pragma once

#include "sheet/inidocument.h"

#include <QHash>
#include <QPair>

// The check the INI fuzzer runs, shared with the normal tests that keep what
// it found: every value of a file, written back, reads back the same, and no
// other key changes.
namespace IniRoundTrip {

using Values = QHash<QPair<QString, QString>, QString>;

inline Values allValues(const IniDocument &doc)
{
    Values values;
    for (const QString &section : doc.sectionNames()) {
        for (const QString &key : doc.keyNames(section))
            values.insert({section, key}, doc.value(section, key));
    }
    return values;
}

// Line breaks cannot be stored and are refused by design; a key must have a
// name.
inline bool writable(const QString &section, const QString &key, const QString &value)
{
    const auto breaks = [](const QString &text) { return text.contains(u'\n') || text.contains(u'\r'); };
    return !key.trimmed().isEmpty() && !breaks(section) && !breaks(key) && !breaks(value);
}

// Empty when the file at `path` survives; otherwise what went wrong.
inline QString check(const QString &path)
{
    IniDocument doc = IniDocument::load(path);
    const Values before = allValues(doc);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (writable(it.key().first, it.key().second, it.value()))
            doc.setValue(it.key().first, it.key().second, it.value());
    }
    if (const IniWriteResult failure = doc.save())
        return QStringLiteral("save failed: ") + failure->reason;
    const Values after = allValues(IniDocument::load(path));
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value())
            return QStringLiteral("[%1] %2: '%3' became '%4'")
                .arg(it.key().first, it.key().second, it.value(), after.value(it.key()));
    }
    if (after.size() != before.size())
        return QStringLiteral("%1 keys became %2").arg(before.size()).arg(after.size());
    return {};
}

} // namespace IniRoundTrip
