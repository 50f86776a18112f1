#include "app/startfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace StartFolder {

QString documentsFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("岑禾"));
}

FileResult enter(const QStringList &arguments)
{
    QString folder = arguments.value(1);
#ifdef Q_OS_WIN
    if (folder.isEmpty()) {
        folder = documentsFolder();
        if (!QDir().mkpath(folder))
            return FileFailure{folder, QStringLiteral("無法建立資料夾"),
                               FileFailure::Action::Write};
    }
#endif
    if (folder.isEmpty())
        return std::nullopt;
    if (!QFileInfo(folder).isDir())
        return FileFailure{folder, QStringLiteral("找不到這個資料夾"), FileFailure::Action::Read};
    if (!QDir::setCurrent(folder))
        return FileFailure{folder, QStringLiteral("無法進入這個資料夾"), FileFailure::Action::Read};
    return std::nullopt;
}

} // namespace StartFolder
