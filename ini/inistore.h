#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Where a save puts its bytes: the file system for the program, memory for
// the fuzzer, so that the same save runs there without a disk. Each call
// says why it failed, empty text meaning success, and a failed call leaves
// the files as they were.
class IniStore
{
public:
    virtual ~IniStore() = default;

    // Why `path` must not be written, checked before anything is touched.
    virtual QString refusal(const QString &path) const = 0;

    // Keeps `bytes` beside `path` under a new name (see damagedCopyName),
    // never over an existing file; sets `copyPath` to the name taken. Where
    // a copy holding these bytes is there already, keeps no other and
    // leaves `copyPath` empty: one copy for each damaged original.
    virtual QString keepCopy(const QString &path, const QByteArray &bytes, QString &copyPath) = 0;

    // Replaces the file's bytes in one step.
    virtual QString replace(const QString &path, const QByteArray &bytes) = 0;
};

// The store the program uses: the file system, with durable writes.
IniStore &fileStore();

// What the names of the copies of `path` start with: "姓名1.ini.損毀備份-".
inline QString damagedCopyPrefix(const QString &path)
{
    return path + QStringLiteral(".損毀備份-");
}

// "姓名1.ini.損毀備份-20261210-1530", then "-2", "-3", ... for later tries.
inline QString damagedCopyName(const QString &path, const QDateTime &when, int attempt)
{
    QString name = damagedCopyPrefix(path) + when.toString(QStringLiteral("yyyyMMdd-HHmm"));
    if (attempt > 1)
        name += QLatin1Char('-') + QString::number(attempt);
    return name;
}
