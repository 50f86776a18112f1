#include "lists/listfile.h"

#include "lists/delimitedtext.h"
#include "lists/xlsxsheet.h"
#include "sheet/initextcodec.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray ZipMagic("PK\x03\x04", 4);
// The compound file of .xls workbooks and of password-protected .xlsx ones.
const QByteArray CompoundFileMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

ListRead problem(const QString &text)
{
    ListRead read;
    read.problem = text;
    return read;
}

bool isCsv(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(u"csv", Qt::CaseInsensitive) == 0;
}

// The decoded file as one text, line ends as they were, so that quoted
// fields may span lines.
QString wholeText(const DecodedIniText &decoded)
{
    QString text;
    for (const DecodedIniLine &line : decoded.lines)
        text += line.text + line.eol;
    return text;
}

} // namespace

ListRead readListText(const QByteArray &bytes, const QString &fileName)
{
    const DecodedIniText decoded = decodeIniBytes(bytes);
    const QString text = wholeText(decoded);
    // UTF-16 without a BOM passes as UTF-8 full of NUL characters.
    if (decoded.damaged || decoded.undecodable || text.contains(QChar(0)))
        return problem(
            QStringLiteral("無法辨識檔案的文字編碼。請把檔案另存為 UTF-8 或 Big5 的 CSV 檔。"));
    const QChar separator = isCsv(fileName) ? DelimitedText::guessSeparator(text) : QChar(u'\t');
    return DelimitedText::parse(text, separator);
}

ListRead readListFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return problem(QStringLiteral("無法讀取檔案：%1").arg(file.errorString()));
    const QByteArray head = file.peek(CompoundFileMagic.size());
    if (head.startsWith(ZipMagic)) {
        file.close();
        return readXlsxFirstSheet(path);
    }
    if (head.startsWith(CompoundFileMagic))
        return problem(QStringLiteral(
            "這是舊版 Excel 活頁簿（.xls）或加密的活頁簿，無法讀取。請在 Excel 另存為 .xlsx 或 CSV 檔。"));
    if (QFileInfo(path).suffix().compare(u"xlsx", Qt::CaseInsensitive) == 0)
        return problem(QStringLiteral("這個檔案不是完整的 Excel 活頁簿（.xlsx），可能已損壞。"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return problem(QStringLiteral("無法讀取檔案：%1").arg(file.errorString()));
    return readListText(bytes, path);
}
