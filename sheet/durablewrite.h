#pragma once

class QFileDevice;

// The one place with platform calls: pushes what was written to a file
// down to the disk and reports whether the disk took it. Qt's own save
// ignores a failed sync, which on a full disk can put an empty file in
// place of a good one.
namespace DurableWrite {

bool syncToDisk(QFileDevice &file);

} // namespace DurableWrite
