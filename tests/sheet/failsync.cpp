// Preloaded into a test process (LD_PRELOAD, Linux): every fsync and
// fdatasync fails with EIO, as on a disk that cannot sync.
#include <cerrno>

extern "C" {

int fsync(int)
{
    errno = EIO;
    return -1;
}

int fdatasync(int)
{
    errno = EIO;
    return -1;
}
}
