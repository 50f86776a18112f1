#pragma once

#include "files/filefailure.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

class QFile;

// Keeps a data folder to one writing copy of the program. The lock file
// names the copy that holds it (process, program, machine, and a token of
// its own); whoever it names is the one writer. A copy that crashed on this
// machine leaves a lock that the next start takes. A lock nobody here can
// vouch for (written on another machine, empty, garbled or unreadable) is
// left to the user, who sees who holds it where known and may take it
// over. A copy checks before each write that the file still names it, and
// on exit removes the file only then, so a lock taken over stays with the
// copy that took it.
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
    // Removes the lock file if it still names this copy.
    ~FolderLock();

    // CannotLock records why in whyNotLocked().
    Outcome tryLock();
    // Removes an unverifiable lock and takes the folder; fails when the old
    // lock cannot be removed or another copy got in first.
    FileResult takeOver();
    // Why the last tryLock() gave CannotLock; empty after any other outcome.
    const FileResult &whyNotLocked() const { return m_failure; }

    // Whether the lock file still reads as this copy wrote it: false once
    // another copy has taken the folder over, or the file was removed or
    // cannot be read, and while this copy holds no lock. Reads the file,
    // a few dozen bytes, each time.
    bool isStillOurs() const;

    // The refusal when a running copy on this machine has the folder.
    QString liveCopyMessage() const;
    // Who holds the lock and since when, as far as known.
    QString holder() const;

    // A plain name, not hidden: users must be able to find and delete it.
    static QString lockFileName() { return QStringLiteral("岑禾使用中.lock"); }

private:
    enum class Creation { Created, Exists, Failed };

    QString lockPath() const;
    Creation create();
    Outcome cannotLock(const QString &reason);

    QString m_folder;
    QByteArray m_contents; // as this copy wrote the file; empty while it holds none
    std::unique_ptr<QFile> m_file; // kept open while held
    FileResult m_failure;
};
