#pragma once

class QByteArray;
class QFileDevice;
class QFileInfo;
class QString;

// The one place with platform calls and platform rules for writing files.
namespace DurableWrite {

// Pushes what was written to a file down to the disk and reports whether the
// disk took it. Qt's own save ignores a failed sync, which on a full disk can
// put an empty file in place of a good one.
bool syncToDisk(QFileDevice &file);

// Why a write or sync of `file` failed, for the user: the system's reason,
// or when it gave none, a full or unwritable disk.
QString writeFailure(const QFileDevice &file);

// Replaces the file at `path` (or creates it) with `bytes` in one step: a
// new file beside it is written, pushed to the disk and renamed over it, so
// a crash leaves the old file or the new one. The new file keeps the old
// one's owner and mode (POSIX) or its attributes and creation time
// (Windows); an administrator's save does not take a user's file over.
// Empty when done, else why not; on failure nothing changed.
QString replaceFile(const QString &path, const QByteArray &bytes);

// Whether a file may be replaced, or files created in a folder. An entry
// with no write bits counts as read-only even for an administrator, whom
// the system would let write it; but Windows ignores the read-only
// attribute of folders (it marks customised folders), so for a folder
// there only the system's own answer counts.
bool acceptsWrites(const QFileInfo &entry);

} // namespace DurableWrite
