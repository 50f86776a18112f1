#include "files/folderlock.h"

#include "files/durablewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QUuid>

// How the lock works on a shared folder (SMB or NFS) as well as on a local
// disk: the file is created with an exclusive create (O_EXCL on Unix,
// CREATE_NEW on Windows), which the file server itself decides, so of two
// machines only one can create it. Its lines are QLockFile's, which older
// copies of the program read and judge: process id, program, host name,
// machine id and boot id; a sixth line, a token of this copy, tells apart
// two copies that the others would confuse (two machines of one name).
// QLockFile also judges, as it always has, whether a lock of this machine
// was left by a copy that is gone (its process ended, or the machine
// restarted since); a lock from another machine is never judged so (its
// process cannot be looked up from here, and a stale time would take the
// lock from a copy that merely runs for long), so it is put to the user.
// The holder keeps the file open, so Windows and SMB refuse to delete it
// under a copy that is still running. When a lock was taken over anyway,
// the copy it was taken from finds another copy's lines in the file before
// its next write and writes nothing more.

namespace {

// The program as QLockFile names it and compares it with the program of a
// running process: the executable's name, on Windows without ".exe".
QString programName()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
#ifdef Q_OS_WIN
    return program.completeBaseName();
#else
    return program.fileName();
#endif
}

QByteArray lockContents()
{
    const QByteArray token = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + programName().toUtf8()
        + '\n' + QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n'
        + QSysInfo::bootUniqueId() + '\n' + token + '\n';
}

// Removes the lock at `path` when QLockFile finds it left by a copy of this
// machine that is gone; true when it did.
bool removeStaleLock(const QString &path)
{
    QLockFile probe(path);
    probe.setStaleLockTime(0); // stale only when its process is known to be gone
    if (!probe.tryLock(0))
        return false;
    probe.unlock(); // the probe's own file, made in place of the stale one
    return true;
}

} // namespace

FolderLock::FolderLock(const QString &folder)
    : m_folder(folder)
{ }

FolderLock::~FolderLock()
{
    if (!m_file)
        return;
    const bool ours = isStillOurs();
    m_file->close();
    if (ours)
        QFile::remove(lockPath());
}

QString FolderLock::lockPath() const
{
    return QDir(m_folder).filePath(lockFileName());
}

FolderLock::Creation FolderLock::create()
{
    auto file = std::make_unique<QFile>(lockPath());
    // Unbuffered, so that a full disk refuses the write itself.
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        const QFileInfo existing(lockPath());
        if (existing.exists() || existing.isSymLink())
            return Creation::Exists;
        cannotLock(QFileInfo(m_folder).isWritable()
                       ? QStringLiteral("無法建立鎖定檔（磁碟可能已滿）")
                       : QStringLiteral("沒有在這個資料夾建立檔案的權限"));
        return Creation::Failed;
    }
    const QByteArray contents = lockContents();
    if (file->write(contents) != contents.size()) {
        file.reset();
        QFile::remove(lockPath());
        cannotLock(QStringLiteral("無法建立鎖定檔（磁碟可能已滿）"));
        return Creation::Failed;
    }
    m_file = std::move(file);
    m_contents = contents;
    return Creation::Created;
}

FolderLock::Outcome FolderLock::tryLock()
{
    // An administrator may create files in a folder with no write bits; the
    // program treats such a folder as read-only all the same.
    m_failure.reset();
    if (!DurableWrite::acceptsWrites(QFileInfo(m_folder)))
        return cannotLock(QStringLiteral("資料夾是唯讀的"));
    for (bool staleRemoved = false;;) {
        switch (create()) {
        case Creation::Created:
            return Outcome::Locked;
        case Creation::Failed:
            return Outcome::CannotLock;
        case Creation::Exists:
            break;
        }
        if (staleRemoved || !removeStaleLock(lockPath()))
            break;
        staleRemoved = true;
    }
    // A lock of this machine left in place is held by a live copy.
    qint64 pid = 0;
    QString host;
    QString application;
    const bool readable = QLockFile(lockPath()).getLockInfo(&pid, &host, &application);
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
    // Removed as QLockFile removes a lock, which fails where the holder still
    // has it open or locked; a lock gone meanwhile needs no removing.
    if (!QLockFile(lockPath()).removeStaleLockFile() && QFileInfo(lockPath()).exists())
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

bool FolderLock::isStillOurs() const
{
    if (m_contents.isEmpty())
        return false;
    QFile file(lockPath());
    return file.open(QIODevice::ReadOnly) && file.read(m_contents.size() + 1) == m_contents;
}

QString FolderLock::holder() const
{
    if (!QFileInfo(lockPath()).exists())
        return QStringLiteral("不明（鎖定檔已被移除）");
    qint64 pid = 0;
    QString host;
    QString application;
    if (!QLockFile(lockPath()).getLockInfo(&pid, &host, &application))
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
