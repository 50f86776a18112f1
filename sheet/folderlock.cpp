#include "sheet/folderlock.h"

#include <QDir>
#include <QLockFile>

FolderLock::FolderLock(const QString &folder)
    : m_folder(folder)
    , m_lock(std::make_unique<QLockFile>(QDir(folder).filePath(lockFileName())))
{
    // Only a lock whose process is gone counts as stale; a live copy holds
    // its lock however long it runs.
    m_lock->setStaleLockTime(0);
}

FolderLock::~FolderLock() = default;

bool FolderLock::tryLock()
{
    return m_lock->tryLock(0);
}

QString FolderLock::problem() const
{
    const QString folder = QDir::toNativeSeparators(QDir(m_folder).absolutePath());
    switch (m_lock->error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral(
                   "這個資料夾已經由另一個岑禾開啟：\n%1\n\n請使用已開啟的視窗，以免兩邊互相覆蓋資料。")
            .arg(folder);
    case QLockFile::PermissionError:
        return QStringLiteral("無法在資料夾中建立鎖定檔（沒有寫入權限）：\n%1").arg(folder);
    default:
        return QStringLiteral("無法鎖定資料夾：\n%1").arg(folder);
    }
}
