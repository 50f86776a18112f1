#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Keeps a second copy of the program out of a data folder that one copy has
// open, so two copies never overwrite each other's pages. A copy that
// crashed leaves a lock that the next start recognises as stale and takes.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder);
    ~FolderLock();

    bool tryLock();
    // Why the folder could not be locked, for the user.
    QString problem() const;

    static QString lockFileName() { return QStringLiteral(".cenhe.lock"); }

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
};
