#include "sheet/durablewrite.h"

#include <QFileDevice>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
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

bool folderTakesNewFiles(const QFileInfo &folder)
{
#ifdef Q_OS_WIN
    return folder.isWritable();
#else
    constexpr QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (folder.permissions() & anyWrite) && folder.isWritable();
#endif
}

} // namespace DurableWrite
