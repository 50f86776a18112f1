#include "files/regularfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/magic.h>
#include <sys/vfs.h>
#endif

namespace RegularFile {

namespace {

#ifdef Q_OS_LINUX
// File systems whose files the kernel makes up as they are read.
bool isKernelFileSystem(const struct statfs &system)
{
    static constexpr unsigned long Kernel[] = {
        PROC_SUPER_MAGIC,   SYSFS_MAGIC,         DEBUGFS_MAGIC, TRACEFS_MAGIC,  SECURITYFS_MAGIC,
        CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC, BPF_FS_MAGIC,  EFIVARFS_MAGIC, PSTOREFS_MAGIC};
    for (const unsigned long magic : Kernel) {
        if (static_cast<unsigned long>(system.f_type) == magic)
            return true;
    }
    return false;
}
#endif

#ifdef Q_OS_UNIX
Kind kindOfEntry(const struct stat &entry, bool onKernelFileSystem)
{
    if (S_ISDIR(entry.st_mode))
        return Kind::Folder;
    if (!S_ISREG(entry.st_mode) || onKernelFileSystem)
        return Kind::Special;
    return Kind::File;
}
#endif

} // namespace

Kind kindOf(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat entry {
    };
    if (::stat(name.constData(), &entry) != 0)
        // Missing; otherwise let the open say why it cannot be read.
        return errno == ENOENT || errno == ENOTDIR ? Kind::Missing : Kind::File;
    bool onKernelFileSystem = false;
#ifdef Q_OS_LINUX
    struct statfs system {
    };
    onKernelFileSystem = ::statfs(name.constData(), &system) == 0 && isKernelFileSystem(system);
#endif
    return kindOfEntry(entry, onKernelFileSystem);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return Kind::Missing;
    return info.isDir() ? Kind::Folder : info.isFile() ? Kind::File : Kind::Special;
#endif
}

Opening openForReading(QFile &file)
{
    Opening opening{kindOf(file.fileName()), {}};
    if (opening.kind != Kind::File)
        return opening;
#ifdef Q_OS_UNIX
    // Not waiting: should the name be a pipe by now, opening it returns at once.
    const int descriptor = ::open(QFile::encodeName(file.fileName()).constData(),
                                  O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        opening.error = qt_error_string(errno);
        return opening;
    }
    struct stat entry {
    };
    bool onKernelFileSystem = false;
#ifdef Q_OS_LINUX
    struct statfs system {
    };
    onKernelFileSystem = ::fstatfs(descriptor, &system) == 0 && isKernelFileSystem(system);
#endif
    if (::fstat(descriptor, &entry) != 0) {
        opening.error = qt_error_string(errno);
        ::close(descriptor);
        return opening;
    }
    opening.kind = kindOfEntry(entry, onKernelFileSystem);
    if (opening.kind != Kind::File) {
        ::close(descriptor);
        return opening;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        opening.error = file.errorString();
        ::close(descriptor);
    }
#else
    if (!file.open(QIODevice::ReadOnly))
        opening.error = file.errorString();
#endif
    return opening;
}

} // namespace RegularFile
