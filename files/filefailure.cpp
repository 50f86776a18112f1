#include "files/filefailure.h"

#include <QDir>
#include <QFileInfo>

QString FileFailure::text(QStringView between) const
{
    const QString because = between.toString() + QStringLiteral("原因：") + reason;
    if (action == Action::Print)
        return QStringLiteral("無法在印表機「%1」列印").arg(path) + because;
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const QString what = action == Action::Read ? QStringLiteral("無法讀取檔案：")
                                                : QStringLiteral("無法寫入檔案：");
    return what + shown + because;
}

QString FileFailure::heading() const
{
    switch (action) {
    case Action::Read:
        return QStringLiteral("讀取錯誤");
    case Action::Write:
        return QStringLiteral("寫入錯誤");
    case Action::Print:
        return QStringLiteral("列印錯誤");
    }
    return {};
}
