#include "files/durablewrite.h"

#include <QByteArray>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QString>

#ifdef Q_OS_WIN
#include <QDir>
#include <QRandomGenerator>

#include <algorithm>
#include <string>

#include <io.h>
#include <windows.h>
#else
#include <QSaveFile>

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

QString writeFailure(const QFileDevice &file)
{
    return file.error() != QFileDevice::NoError ? file.errorString()
                                                : QStringLiteral("磁碟空間不足或無法寫入");
}

#ifdef Q_OS_WIN

namespace {

// What the replacing file takes over from the replaced one. Read-only never
// comes here: a read-only file is refused before anything is written.
constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM
    | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::wstring nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString systemReason(DWORD error)
{
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL)
        return QStringLiteral("磁碟空間不足");
    return qt_error_string(int(error));
}

// Writes all of `bytes` to `file` and pushes them to the disk; 0 when done,
// else the system's error.
DWORD writeAndFlush(HANDLE file, const QByteArray &bytes)
{
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const DWORD chunk = DWORD(std::min<qsizetype>(left, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, next, chunk, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_DISK_FULL;
        next += written;
        left -= written;
    }
    return FlushFileBuffers(file) ? 0 : GetLastError();
}

} // namespace

// A file beside the old one, written and flushed, then moved over it with
// MOVEFILE_WRITE_THROUGH, which returns only once the rename is on the disk.
// Qt's QSaveFile renames without it and gives the new file default
// attributes, so a hidden or system file would lose its marks.
QString replaceFile(const QString &path, const QByteArray &bytes)
{
    const std::wstring target = nativePath(path);
    WIN32_FILE_ATTRIBUTE_DATA old{};
    const bool replacing = GetFileAttributesExW(target.c_str(), GetFileExInfoStandard, &old);
    const DWORD attributes = replacing && (old.dwFileAttributes & KeptAttributes)
        ? old.dwFileAttributes & KeptAttributes
        : FILE_ATTRIBUTE_NORMAL;
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = nativePath(
            path
            + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate() & 0xffffff, 6, 16,
                                        QLatin1Char('0')));
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return systemReason(GetLastError());
    }
    if (file == INVALID_HANDLE_VALUE)
        return systemReason(ERROR_FILE_EXISTS);
    DWORD error = writeAndFlush(file, bytes);
    if (!error && replacing && !SetFileTime(file, &old.ftCreationTime, nullptr, nullptr))
        error = GetLastError();
    CloseHandle(file);
    if (!error
        && !MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (!error)
        return {};
    DeleteFileW(temporary.c_str());
    return systemReason(error);
}

#else

namespace {

// Gives the new file the original's mode and, where this process may, its
// owner and group (through a symbolic link, those of its target). False
// when the mode could not be set.
bool keepOwnerAndMode(QFileDevice &newFile, const QString &original)
{
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
}

} // namespace

QString replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself and not a
    // flush whose error the commit would not see.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!keepOwnerAndMode(file, path) || file.write(bytes) != bytes.size() || !syncToDisk(file)) {
        const QString reason = writeFailure(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

#endif

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
