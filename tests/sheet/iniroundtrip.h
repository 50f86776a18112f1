#pragma once

#include "ini/inidocument.h"
#include "ini/iniparse.h"
#include "ini/inistore.h"

#include <QHash>
#include <QPair>
#include <QSet>

#include <array>

// The check the INI fuzzer runs, shared with the normal tests that keep what
// it found. All in memory, through the same save as the program's:
// - a file that decoded cleanly, every value written back, keeps every byte;
// - every value that decoded intact reads back the same after a save, and no
//   key appears or goes;
// - new keys and values written into the file read back;
// - a damaged file is never written before its original bytes are kept.
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
    const auto breaks = [](const QString &text) {
        return text.contains(u'\n') || text.contains(u'\r');
    };
    return !key.trimmed().isEmpty() && !breaks(section) && !breaks(key) && !breaks(value);
}

// Files in memory; records the order of what a save did.
class MemoryStore : public IniStore
{
public:
    QHash<QString, QByteArray> files;
    QStringList log; // "copy <name>" and "replace <path>", in order

    QString refusal(const QString &) const override { return {}; }

    QString keepCopy(const QString &path, const QByteArray &bytes, QString &copyPath) override
    {
        const QDateTime when(QDate(2026, 12, 10), QTime(15, 30));
        int attempt = 1;
        while (files.contains(damagedCopyName(path, when, attempt)))
            ++attempt;
        copyPath = damagedCopyName(path, when, attempt);
        files.insert(copyPath, bytes);
        log.append(QStringLiteral("copy ") + copyPath);
        return {};
    }

    QString replace(const QString &path, const QByteArray &bytes) override
    {
        files.insert(path, bytes);
        log.append(QStringLiteral("replace ") + path);
        return {};
    }
};

inline QString describe(const QPair<QString, QString> &key, const QString &expected,
                        const QString &actual)
{
    return QStringLiteral("[%1] %2: '%3' became '%4'").arg(key.first, key.second, expected, actual);
}

// Entries that read as written: no damaged byte became U+FFFD in their
// section name, key or value.
inline bool intact(Values::const_iterator entry)
{
    const auto clean = [](const QString &text) {
        return !text.contains(QChar::ReplacementCharacter);
    };
    return clean(entry.key().first) && clean(entry.key().second) && clean(entry.value());
}

// Names as a lookup compares them: case folded, only spaces and tabs
// trimmed (a vertical tab is part of the name).
inline QPair<QString, QString> folded(const QPair<QString, QString> &key)
{
    return {IniParse::foldName(key.first), IniParse::foldName(key.second)};
}

// A value as a reader finds it: names match whatever their case, and a write
// into an existing key keeps the spelling the file already had.
inline QString lookUp(const Values &values, const QPair<QString, QString> &key)
{
    const QPair<QString, QString> wanted = folded(key);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (folded(it.key()) == wanted)
            return it.value();
    }
    return {};
}

// The values the fuzzer writes in: Big5 with backslash bytes, Big5 bytes
// that are also UTF-8 (聽), a character only UTF-16 holds (堃), blanks and
// quotes that need quoting, an equals sign, empty, and the longest value.
inline const std::array<QString, 9> &newValues()
{
    static const std::array<QString, 9> values = {QStringLiteral("許功蓋"),
                                                  QStringLiteral("聽"),
                                                  QStringLiteral("王堃"),
                                                  QStringLiteral(" 陳 "),
                                                  QStringLiteral("'q'"),
                                                  QStringLiteral("a=b"),
                                                  QString(),
                                                  QStringLiteral("ť"),
                                                  QString(IniDocument::MaxValueLength, u'長')};
    return values;
}

// Empty when `bytes`, saved as the program saves, pass every rule above;
// otherwise what went wrong. `seed` picks the new values.
inline QString check(const QByteArray &bytes, unsigned seed = 0)
{
    const QString path = QStringLiteral("姓名1.ini");
    MemoryStore store;
    store.files.insert(path, bytes);
    IniDocument doc = IniDocument::fromBytes(path, bytes);
    if (doc.unreadable())
        return {}; // refused: never written
    const bool damaged = doc.isDamaged();
    const Values before = allValues(doc);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (writable(it.key().first, it.key().second, it.value()))
            doc.setValue(it.key().first, it.key().second, it.value());
    }
    if (const FileResult failure = doc.saveTo(store))
        return QStringLiteral("save failed: ") + failure->reason;
    const QByteArray saved = store.files.value(path);
    if (damaged) {
        const QString copy = doc.damagedCopyPath();
        if (copy.isEmpty() || store.log.value(0) != QStringLiteral("copy ") + copy
            || store.files.value(copy) != bytes)
            return QStringLiteral("damaged file written without its copy: ") + store.log.join(u',');
    } else if (store.log.size() != 1 || saved != bytes) {
        return QStringLiteral("clean file changed by writing its own values back");
    }

    IniDocument reread = IniDocument::fromBytes(path, saved);
    const Values after = allValues(reread);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (intact(it) && after.value(it.key()) != it.value())
            return describe(it.key(), it.value(), after.value(it.key()));
    }
    if (after.size() != before.size())
        return QStringLiteral("%1 keys became %2").arg(before.size()).arg(after.size());

    // New values into an existing section and a new one.
    Values added;
    const QStringList sections = reread.sectionNames();
    const QString existing =
        sections.isEmpty() ? QStringLiteral("1") : sections[seed % sections.size()];
    added.insert({existing, QStringLiteral("k%1").arg(seed % 7)},
                 newValues()[seed % newValues().size()]);
    added.insert({QStringLiteral("新%1").arg(seed % 3), QStringLiteral("0")},
                 newValues()[(seed / 9) % newValues().size()]);
    for (auto it = added.cbegin(); it != added.cend(); ++it) {
        if (!writable(it.key().first, it.key().second, it.value()))
            continue;
        reread.setValue(it.key().first, it.key().second, it.value());
        if (const FileResult failure = reread.saveTo(store))
            return QStringLiteral("save of a new value failed: ") + failure->reason;
    }
    const Values last = allValues(IniDocument::fromBytes(path, store.files.value(path)));
    for (auto it = added.cbegin(); it != added.cend(); ++it) {
        if (writable(it.key().first, it.key().second, it.value())
            && lookUp(last, it.key()) != it.value())
            return describe(it.key(), it.value(), lookUp(last, it.key()));
    }
    QSet<QPair<QString, QString>> overwritten;
    for (auto it = added.cbegin(); it != added.cend(); ++it)
        overwritten.insert(folded(it.key()));
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (intact(it) && !overwritten.contains(folded(it.key()))
            && last.value(it.key()) != it.value())
            return describe(it.key(), it.value(), last.value(it.key()));
    }
    return {};
}

} // namespace IniRoundTrip
