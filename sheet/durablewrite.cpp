#include "sheet/durablewrite.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QString>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace DurableWrite {

bool syncToDisk(QFileDevice &file)
{
    const int descriptor = file.handle();
    if (descriptor < 0)
        return false;
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(descriptor))) != 0;
#else
    return ::fsync(descriptor) == 0;
#endif
}

bool keepOwnerAndMode(QFileDevice &newFile, const QString &original)
{
#ifdef Q_OS_WIN
    Q_UNUSED(newFile);
    Q_UNUSED(original);
    return true;
#else
    struct stat old {
    };
    if (::stat(QFile::encodeName(original).constData(), &old) != 0)
        return true; // a new file: the system's defaults
    const int descriptor = newFile.handle();
    // Only an administrator may give a file away; anyone else stays its
    // owner (keeping at least the group where a member), which is no failure.
    [[maybe_unused]] const bool ownerKept = ::fchown(descriptor, old.st_uid, old.st_gid) == 0
        || ::fchown(descriptor, uid_t(-1), old.st_gid) == 0;
    return ::fchmod(descriptor, old.st_mode & 07777) == 0;
#endif
}

bool acceptsWrites(const QFileInfo &entry)
{
#ifdef Q_OS_WIN
    if (entry.isDir())
        return entry.isWritable();
#endif
    // The mode bits only: the "user" bit tells what this process may do.
    constexpr QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (entry.permissions() & anyWrite) && entry.isWritable();
}

} // namespace DurableWrite
