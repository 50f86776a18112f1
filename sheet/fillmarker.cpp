#include "sheet/fillmarker.h"

#include "files/durablewrite.h"
#include "ini/inidocument.h"
#include "sheet/sheetpage.h"

namespace {

const QString FillSection = QStringLiteral("填入");
const QString StemKey = QStringLiteral("種類");
const QString ActionKey = QStringLiteral("動作");
const QString FirstKey = QStringLiteral("起始頁");
const QString LastKey = QStringLiteral("結束頁");
// One key a page written: the page's number, the last row on it.
const QString WrittenSection = QStringLiteral("已寫入");

} // namespace

FillMarker::FillMarker(const QString &path)
    : m_file(path)
{ }

FileResult FillMarker::failure()
{
    const FileFailure failed{m_file.fileName(), m_file.errorString()};
    m_file.close();
    m_file.remove();
    return failed;
}

FileResult FillMarker::begin(const Record &record)
{
    IniDocument doc = IniDocument::fromBytes(m_file.fileName(), {});
    doc.setValue(FillSection, StemKey, record.stem);
    doc.setValue(FillSection, ActionKey, record.action);
    doc.setValue(FillSection, FirstKey, QString::number(record.firstPage));
    doc.setValue(FillSection, LastKey, QString::number(record.lastPage));
    const QByteArray bytes =
        (doc.text() + u'[' + WrittenSection + QStringLiteral("]\r\n")).toUtf8();
    // Unbuffered: each line below is in the system's hands once written.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)
        || m_file.write(bytes) != bytes.size() || !DurableWrite::syncToDisk(m_file))
        return failure();
    return {};
}

FileResult FillMarker::pageWritten(int page, int lastRow)
{
    const QByteArray line = QStringLiteral("%1=%2\r\n").arg(page).arg(lastRow).toUtf8();
    if (m_file.write(line) != line.size())
        return failure();
    return {};
}

FileResult FillMarker::finish()
{
    m_file.close();
    if (!m_file.exists() || m_file.remove())
        return {};
    return FileFailure{m_file.fileName(), m_file.errorString()};
}

std::optional<FillMarker::Record> FillMarker::leftBehind(const QString &path)
{
    if (!QFile::exists(path))
        return std::nullopt;
    const IniDocument doc = IniDocument::load(path);
    Record record{doc.value(FillSection, StemKey), doc.value(FillSection, ActionKey),
                  doc.value(FillSection, FirstKey).toInt(),
                  doc.value(FillSection, LastKey).toInt()};
    if (record.stem.isEmpty() || record.firstPage < 1 || record.lastPage < record.firstPage)
        return Record{};
    for (const QString &key : doc.keyNames(WrittenSection)) {
        const int page = key.toInt();
        if (page > record.writtenThrough) {
            record.writtenThrough = page;
            record.lastRow = doc.value(WrittenSection, key).toInt();
        }
    }
    return record;
}

QString FillMarker::report(const Record &record)
{
    if (record.firstPage == 0)
        return QStringLiteral("上次填入中斷，無法得知已寫入哪些頁。");
    QString text = QStringLiteral("上次填入於第 %1 頁中斷（%2，%3 到 %4），")
                       .arg(record.firstPage)
                       .arg(record.action, SheetPage::pageFileName(record.stem, record.firstPage),
                            SheetPage::pageFileName(record.stem, record.lastPage));
    if (record.writtenThrough < record.firstPage)
        return text + QStringLiteral("未寫入任何一頁。");
    text += QStringLiteral("已寫入第 %1–%2 頁").arg(record.firstPage).arg(record.writtenThrough);
    if (record.lastRow > 0)
        text += QStringLiteral("，至第 %1 列").arg(record.lastRow);
    return text + QStringLiteral("。");
}
