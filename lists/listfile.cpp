#include "lists/listfile.h"

#include "ini/initextcodec.h"
#include "lists/delimitedtext.h"
#include "lists/listlimits.h"
#include "lists/xlsxsheet.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray ZipMagic("PK\x03\x04", 4);
// The compound file of .xls workbooks and of password-protected .xlsx ones.
const QByteArray CompoundFileMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

bool isCsv(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(u"csv", Qt::CaseInsensitive) == 0;
}

QString cannotRead(const QFile &file)
{
    return QStringLiteral("無法讀取檔案：%1").arg(file.errorString());
}

} // namespace

ListRead readListText(QByteArray bytes, const QString &fileName, const ListProgress &progress)
{
    if (bytes.size() > ListLimits::MaxFileBytes)
        return ListRead::refused(ListLimits::fileTooLarge(bytes.size()));
    const DecodedWholeText decoded = decodeWholeText(std::exchange(bytes, {}));
    // UTF-16 without a BOM passes as UTF-8 full of NUL characters.
    if (decoded.damaged || decoded.undecodable || decoded.text.contains(QChar(0)))
        return ListRead::refused(
            QStringLiteral("無法辨識檔案的文字編碼。請把檔案另存為 UTF-8 或 Big5 的 CSV 檔。"));
    const QChar separator =
        isCsv(fileName) ? DelimitedText::guessSeparator(decoded.text) : QChar(u'\t');
    return ListLimits::requireValue(DelimitedText::parse(decoded.text, separator, progress));
}

ListRead readListFile(const QString &path, const ListProgress &progress)
{
    // A pipe would be waited on for ever, a device read without end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return ListRead::refused(QStringLiteral("這不是一般的檔案，無法匯入。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ListRead::refused(cannotRead(file));
    if (file.size() > ListLimits::MaxFileBytes)
        return ListRead::refused(ListLimits::fileTooLarge(file.size()));
    const QByteArray head = file.peek(CompoundFileMagic.size());
    if (head.startsWith(ZipMagic))
        return readXlsxFirstSheet(&file, progress);
    if (head.startsWith(CompoundFileMagic))
        return ListRead::refused(QStringLiteral(
            "這是舊版 Excel 活頁簿（.xls）或加密的活頁簿，無法讀取。請在 Excel 另存為 .xlsx 或 CSV 檔。"));
    if (QFileInfo(path).suffix().compare(u"xlsx", Qt::CaseInsensitive) == 0)
        return ListRead::refused(
            QStringLiteral("這個檔案不是完整的 Excel 活頁簿（.xlsx），可能已損壞。"));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ListRead::refused(cannotRead(file));
    return readListText(std::move(bytes), path, progress);
}
