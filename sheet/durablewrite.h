#pragma once

class QFileDevice;
class QFileInfo;
class QString;

// The one place with platform calls and platform rules for writing files.
namespace DurableWrite {

// Pushes what was written to a file down to the disk and reports whether the
// disk took it. Qt's own save ignores a failed sync, which on a full disk can
// put an empty file in place of a good one.
bool syncToDisk(QFileDevice &file);

// Gives a new file that is to replace `original` the original's mode and,
// where this process may, its owner and group (through a symbolic link,
// those of its target), so that a save by an administrator does not take
// a user's file over. False when the mode could not be set.
bool keepOwnerAndMode(QFileDevice &newFile, const QString &original);

// Whether a file may be replaced, or files created in a folder. An entry
// with no write bits counts as read-only even for an administrator, whom
// the system would let write it; but Windows ignores the read-only
// attribute of folders (it marks customised folders), so for a folder
// there only the system's own answer counts.
bool acceptsWrites(const QFileInfo &entry);

} // namespace DurableWrite
