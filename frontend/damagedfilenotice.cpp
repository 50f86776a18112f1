#include "frontend/damagedfilenotice.h"

#include "frontend/usermessages.h"

#include <QDir>
#include <QFileInfo>

void tellDamagedFileKept(QWidget *parent, const QString &path, const QString &copyPath)
{
    if (copyPath.isEmpty())
        return;
    const auto shown = [](const QString &file) {
        return QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    };
    UserMessages::inform(parent,
                         QStringLiteral("檔案 %1 有損毀的部分：能讀出的文字都已照原樣保留，"
                                        "無法辨識的字元顯示為「\uFFFD」。\n\n"
                                        "寫入前，原檔已原封不動另存為 %2。")
                             .arg(shown(path), shown(copyPath)));
}
