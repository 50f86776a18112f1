#pragma once

#include <QString>

class QFile;

// Page files, sys.ini and the files an export replaces are regular files on
// a disk. Anything else behind a name, itself or through a link, is never
// opened: reading a pipe or /proc/kmsg waits forever, opening a device may
// do what the device does, and a kernel file (/proc, /sys) is no data of
// ours. The one place with the platform calls that tell them apart.
namespace RegularFile {

enum class Kind {
    Missing, // nothing by that name, or a link to nothing
    File, // a regular file, or an entry the system would not describe
    Folder,
    Special, // a pipe, device, socket or kernel file
};

// What `path` names, following links, without opening it.
Kind kindOf(const QString &path);

struct Opening {
    Kind kind = Kind::Missing;
    QString error; // of a File that could not be opened; empty when open
};

// Opens `file` for reading only when its name is that of a regular file,
// checking the opened file again (the name may have changed meanwhile).
// The file is open when the kind is File and the error empty.
Opening openForReading(QFile &file);

} // namespace RegularFile
