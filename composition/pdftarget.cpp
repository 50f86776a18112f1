#include "composition/pdftarget.h"

#include "files/regularfile.h"

#include <QFile>

namespace PdfTarget {

QString refusal(const QString &path)
{
    QFile existing(path);
    const RegularFile::Opening opening = RegularFile::openForReading(existing);
    switch (opening.kind) {
    case RegularFile::Kind::Missing:
        return {};
    case RegularFile::Kind::Folder:
        return QStringLiteral("這是資料夾，不是檔案");
    case RegularFile::Kind::Special:
        return QStringLiteral("這不是一般檔案，不能以 PDF 取代");
    case RegularFile::Kind::File:
        break;
    }
    if (!opening.error.isEmpty())
        return QStringLiteral("無法確認原有檔案是 PDF：%1").arg(opening.error);
    const QByteArray start = existing.read(4);
    if (existing.error() != QFileDevice::NoError)
        return QStringLiteral("無法確認原有檔案是 PDF：%1").arg(existing.errorString());
    if (!start.isEmpty() && start != "%PDF")
        return QStringLiteral("已有同名的檔案，而且不是 PDF，不會覆寫它");
    return {};
}

} // namespace PdfTarget
