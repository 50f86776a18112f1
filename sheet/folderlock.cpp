#include "sheet/folderlock.h"

#include "sheet/durablewrite.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

// How the lock works on a shared folder (SMB or NFS) as well as on a local
// disk: QLockFile creates the file with an exclusive create (O_EXCL on Unix,
// CREATE_NEW on Windows), which the file server itself decides, so of two
// machines only one can create it. The file names the process and the
// machine. A lock is judged stale only when it was written on this machine
// and its process is gone; a lock from another machine is never judged
// stale (its process cannot be looked up from here, and a stale time would
// take the lock from a copy that merely runs for long), so it is put to the
// user. Taking it over removes the file the way QLockFile does: the holder
// keeps it open (Windows and SMB refuse to delete it) and holds an advisory
// lock on it where the share supports one, so a copy still running
// elsewhere usually keeps its lock. Two machines with the same host name
// would mistake each other's locks for their own.

FolderLock::FolderLock(const QString &folder)
    : m_folder(folder)
    , m_lock(std::make_unique<QLockFile>(lockPath()))
{
    // Only a lock whose process is gone counts as stale; a live copy holds
    // its lock however long it runs.
    m_lock->setStaleLockTime(0);
}

FolderLock::~FolderLock() = default;

QString FolderLock::lockPath() const
{
    return QDir(m_folder).filePath(lockFileName());
}

FolderLock::Outcome FolderLock::tryLock()
{
    // An administrator may create files in a folder with no write bits; the
    // program treats such a folder as read-only all the same.
    m_failure.reset();
    if (!DurableWrite::acceptsWrites(QFileInfo(m_folder)))
        return cannotLock(QStringLiteral("資料夾是唯讀的"));
    if (m_lock->tryLock(0))
        return Outcome::Locked;
    // Anything but an existing lock (no right to create, a full disk).
    if (m_lock->error() == QLockFile::PermissionError)
        return cannotLock(QStringLiteral("沒有在這個資料夾建立檔案的權限"));
    if (m_lock->error() != QLockFile::LockFailedError)
        return cannotLock(QStringLiteral("無法建立鎖定檔（磁碟可能已滿）"));
    qint64 pid = 0;
    QString host;
    QString application;
    // QLockFile has already taken a lock of this machine whose process is
    // gone; one of this machine that it left in place is held by a live copy.
    const bool readable = m_lock->getLockInfo(&pid, &host, &application);
    const bool ours = readable && (host.isEmpty() || host == QSysInfo::machineHostName());
    return ours ? Outcome::HeldByLiveCopy : Outcome::Unverifiable;
}

FolderLock::Outcome FolderLock::cannotLock(const QString &reason)
{
    m_failure = FileFailure{lockPath(), reason};
    return Outcome::CannotLock;
}

FileResult FolderLock::takeOver()
{
    if (!m_lock->removeStaleLockFile())
        return FileFailure{lockPath(), QStringLiteral("舊的鎖定檔無法移除")};
    switch (tryLock()) {
    case Outcome::Locked:
        return std::nullopt;
    case Outcome::CannotLock:
        return m_failure;
    default:
        return FileFailure{lockPath(), QStringLiteral("另一個岑禾剛剛開啟了這個資料夾")};
    }
}

QString FolderLock::holder() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock->getLockInfo(&pid, &host, &application))
        return QStringLiteral("不明（鎖定檔是空的、已損壞或無法讀取）");
    const QDateTime since = QFileInfo(lockPath()).lastModified();
    QString text = QStringLiteral("電腦「%1」上的岑禾").arg(host);
    if (since.isValid())
        text +=
            QStringLiteral("，自 %1 起").arg(since.toString(QStringLiteral("yyyy/MM/dd HH:mm")));
    return text;
}

QString FolderLock::liveCopyMessage() const
{
    const QString folder = QDir::toNativeSeparators(QDir(m_folder).absolutePath());
    return QStringLiteral(
               "這個資料夾已經由另一個岑禾開啟：\n%1\n\n請使用已開啟的視窗，以免兩邊互相覆蓋資料。")
        .arg(folder);
}
