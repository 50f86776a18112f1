#include "durablewrite.h"

#include <QFileDevice>

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

} // namespace DurableWrite
