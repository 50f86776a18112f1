#include "ini/inistore.h"

#include "files/durablewrite.h"
#include "files/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Whether a copy of `path` beside it holds `bytes` already.
bool holdsCopy(const QString &path, const QByteArray &bytes)
{
    const QFileInfo file(path);
    const QString prefix = QFileInfo(damagedCopyPrefix(path)).fileName();
    const QDir folder = file.absoluteDir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!name.startsWith(prefix))
            continue;
        QFile copy(folder.filePath(name));
        if (copy.size() != bytes.size())
            continue;
        const RegularFile::Opening opening = RegularFile::openForReading(copy);
        if (opening.kind == RegularFile::Kind::File && opening.error.isEmpty()
            && copy.read(bytes.size() + 1) == bytes)
            return true;
    }
    return false;
}

class FileStore : public IniStore
{
public:
    QString refusal(const QString &path) const override
    {
        const QFileInfo file(path);
        switch (RegularFile::kindOf(path)) {
        case RegularFile::Kind::Folder:
            return QStringLiteral("這是資料夾，不是檔案");
        case RegularFile::Kind::Special:
            return QStringLiteral("這不是一般檔案，不是頁面檔或設定檔");
        case RegularFile::Kind::File:
            if (!DurableWrite::acceptsWrites(file))
                return QStringLiteral("檔案唯讀");
            break;
        case RegularFile::Kind::Missing:
            break;
        }
        const QFileInfo folder(file.absolutePath());
        if (!folder.isDir())
            return QStringLiteral("資料夾不存在");
        if (!DurableWrite::acceptsWrites(folder))
            return QStringLiteral("資料夾唯讀");
        return {};
    }

    QString keepCopy(const QString &path, const QByteArray &bytes, QString &copyPath) override
    {
        if (holdsCopy(path, bytes))
            return {};
        const QDateTime now = QDateTime::currentDateTime();
        for (int attempt = 1; attempt <= 1000; ++attempt) {
            QFile copy(damagedCopyName(path, now, attempt));
            if (copy.exists())
                continue;
            // NewOnly: a copy that appeared meanwhile is never written over.
            if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
                if (copy.exists())
                    continue;
                return copy.errorString();
            }
            if (copy.write(bytes) != bytes.size() || !DurableWrite::syncToDisk(copy)) {
                const QString reason = DurableWrite::writeFailure(copy);
                copy.close();
                copy.remove();
                return reason;
            }
            copyPath = copy.fileName();
            return {};
        }
        return QStringLiteral("已有太多副本");
    }

    QString replace(const QString &path, const QByteArray &bytes) override
    {
        return DurableWrite::replaceFile(path, bytes);
    }
};

} // namespace

IniStore &fileStore()
{
    static FileStore store;
    return store;
}
