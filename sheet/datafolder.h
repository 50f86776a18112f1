#pragma once

#include "files/filefailure.h"
#include "ini/inidocument.h"

#include <optional>

class FolderLock;

// The working folder as this run may use it. Every write into it (a page,
// sys.ini) asks refusal() first, which for a writing run checks that the
// folder lock still names this copy. A run that writes nothing (opened
// read-only, or its lock taken over by another copy) keeps its settings in
// memory: sys.ini as the run changed it, read back by the run and never
// stored.
class DataFolder
{
public:
    // Writing, with no lock to check until one is given.
    DataFolder() = default;

    // Checks every write against `lock`, which this copy holds and which
    // outlives this object.
    void checkWritesAgainst(const FolderLock *lock) { m_lock = lock; }
    // Opened for viewing and printing only.
    void setReadOnly();

    bool readOnly() const { return m_state != State::Writing; }
    // Read-only because another copy took the folder over.
    bool takenOver() const { return m_state == State::TakenOver; }
    // Who holds the folder's lock now, as far as known.
    QString lockHolder() const;

    // Empty when `path` may be written now; else the failure to report. A
    // writing run whose lock no longer names this copy turns read-only here.
    FileResult refusal(const QString &path);

    // sys.ini of the working folder as this run sees it.
    IniDocument settings() const;
    // Writes `settings` to its file; a read-only run keeps it in memory for
    // the rest of the run instead, which is no failure.
    [[nodiscard]] FileResult storeSettings(IniDocument &settings);

private:
    enum class State { Writing, OpenedReadOnly, TakenOver };

    const FolderLock *m_lock = nullptr;
    State m_state = State::Writing;
    std::optional<IniDocument> m_settings; // kept in memory by a read-only run
};
