#pragma once

class QFileDevice;
class QFileInfo;

// The one place with platform calls and platform rules for writing files.
namespace DurableWrite {

// Pushes what was written to a file down to the disk and reports whether the
// disk took it. Qt's own save ignores a failed sync, which on a full disk can
// put an empty file in place of a good one.
bool syncToDisk(QFileDevice &file);

// Whether files may be created in this folder. On Unix a folder with no
// write bits counts as read-only even for an administrator; Windows ignores
// the read-only attribute of folders (it marks customised folders), so
// there only the system's own answer counts.
bool folderTakesNewFiles(const QFileInfo &folder);

} // namespace DurableWrite
