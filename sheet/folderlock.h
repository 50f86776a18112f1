#pragma once

#include "sheet/filefailure.h"

#include <QDateTime>
#include <QString>

#include <memory>

class QLockFile;

// Keeps a second copy of the program out of a data folder that one copy has
// open, so two copies never overwrite each other's pages. A copy that
// crashed on this machine leaves a lock that the next start takes. A lock
// nobody here can vouch for (written on another machine, empty, garbled or
// unreadable) is left to the user, who sees who holds it where known.
class FolderLock
{
public:
    enum class Outcome {
        Locked, // the folder is ours
        HeldByLiveCopy, // a running copy on this machine has it open
        Unverifiable, // a lock whose holder this machine cannot check
        CannotLock, // no lock file can be made here (read-only, full)
    };

    explicit FolderLock(const QString &folder);
    ~FolderLock();

    // CannotLock records why in whyNotLocked().
    Outcome tryLock();
    // Removes an unverifiable lock and takes the folder; fails when the old
    // lock cannot be removed or another copy got in first.
    FileResult takeOver();
    // Why the last tryLock() gave CannotLock; empty after any other outcome.
    const FileResult &whyNotLocked() const { return m_failure; }

    // The refusal when a running copy on this machine has the folder.
    QString liveCopyMessage() const;
    // Who holds an unverifiable lock and since when, as far as known.
    QString holder() const;

    // A plain name, not hidden: users must be able to find and delete it.
    static QString lockFileName() { return QStringLiteral("岑禾使用中.lock"); }

private:
    QString lockPath() const;
    Outcome cannotLock(const QString &reason);

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    FileResult m_failure;
};
