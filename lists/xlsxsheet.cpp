#include "lists/xlsxsheet.h"

#include "lists/listlimits.h"
#include "lists/xlsxpart.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

// Excel's last column (XFD) and row.
constexpr int ExcelColumns = 16384;
constexpr int ExcelRows = 1048576;
// The parts that lead to the sheet (relationships, the workbook) are small;
// the XML of a sheet at ListLimits and of its strings is some tens of MB.
constexpr qint64 MaxIndexPartBytes = 4 << 20;
constexpr qint64 MaxDataPartBytes = 64 << 20;

struct Relationship {
    QString id;
    QString type;
    QString target; // part name inside the archive
};

QString damagedWorkbook(const QString &detail)
{
    return QStringLiteral("活頁簿已損壞，無法讀取（%1）。請在 Excel 開啟並另存後再匯入。")
        .arg(detail);
}

// The folder of a part, "" for the package root.
QString folderOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash);
}

QString relationshipsOf(const QString &part)
{
    const QString folder = folderOf(part);
    const QString name = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/") + name
        + QStringLiteral(".rels");
}

// A relationship target is relative to the folder of the part it belongs
// to, unless it starts at the root.
QString resolveTarget(const QString &sourcePart, const QString &target)
{
    if (target.startsWith(u'/'))
        return target.mid(1);
    const QString folder = folderOf(sourcePart);
    return QDir::cleanPath(folder.isEmpty() ? target : folder + u'/' + target);
}

// Escapes such as _x000D_ stand for characters XML cannot carry.
QString decodeEscapes(const QString &text)
{
    if (!text.contains(u"_x"))
        return text;
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &match : escape.globalMatch(text)) {
        out += QStringView(text).sliced(last, match.capturedStart() - last);
        out += QChar(match.captured(1).toUShort(nullptr, 16));
        last = match.capturedEnd();
    }
    out += QStringView(text).sliced(last);
    return out;
}

// The text of <si> or <is>: plain <t>, or the runs <r><t> of rich text.
// Phonetic guides (<rPh>) are not part of the value.
QString readRichText(XlsxPart &xml)
{
    QString text;
    while (xml.nextStartElement()) {
        if (xml.name() == u"t") {
            text += xml.elementText();
        } else if (xml.name() == u"r") {
            while (xml.nextStartElement()) {
                if (xml.name() == u"t")
                    text += xml.elementText();
                else
                    xml.skipElement();
            }
        } else {
            xml.skipElement();
        }
        if (text.size() > XlsxPart::MaxTextChars)
            xml.tooLong();
    }
    return decodeEscapes(text);
}

// "AB12" -> 27; -1 without column letters.
int columnOf(QStringView reference)
{
    const auto isLetter = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    int column = 0;
    qsizetype i = 0;
    while (i < reference.size() && isLetter(reference[i]) && column <= ExcelColumns)
        column = column * 26 + (reference[i++].unicode() - u'A' + 1);
    return i == 0 ? -1 : column - 1;
}

// Numbers as a spreadsheet shows them in its General format: at most 15
// significant digits, so 0.1 + 0.2 reads 0.3.
QString numberText(const QString &raw)
{
    bool ok = false;
    const double value = raw.toDouble(&ok);
    return ok ? QString::number(value, 'g', 15) : raw;
}

// A cell's value, and whether its text is a shared string's (held once
// for the whole workbook).
struct CellValue {
    QString text;
    bool shared = false;
};

const QString NotAWorkbook =
    QStringLiteral("這個檔案不是完整的 Excel 活頁簿（.xlsx），可能已損壞。");

class Workbook
{
public:
    Workbook(QIODevice *device, const ListProgress &progress)
        : m_zip(device)
        , m_progress(progress)
    { }

    ListRead firstSheet()
    {
        if (!m_zip.open(QuaZip::mdUnzip))
            return ListRead::refused(NotAWorkbook);
        const QString sheet = firstSheetPart();
        if (!sheet.isEmpty()) {
            m_bytes.emplace(m_progress, dataSize(m_sharedStringsPart) + dataSize(sheet));
            if (loadSharedStrings())
                readRows(sheet);
        }
        if (m_cancelled)
            return ListRead::stopped();
        if (!m_problem.isEmpty())
            return ListRead::refused(m_problem);
        return ListLimits::requireValue(m_rows.finish());
    }

private:
    bool hasPart(const QString &part) { return m_zip.setCurrentFile(part, QuaZip::csInsensitive); }

    qint64 dataSize(const QString &part)
    {
        QuaZipFileInfo64 info;
        if (part.isEmpty() || !hasPart(part) || !m_zip.getCurrentFileInfo(&info))
            return 0;
        return qint64(std::min<quint64>(info.uncompressedSize, MaxDataPartBytes));
    }

    // Runs `read` over a part's XML as it inflates, within `limit` bytes,
    // which its header must not exceed. A missing part, a read error, a
    // wrong checksum or bad XML sets the problem and gives false; so does a
    // cancelled read, or a list over the limits, without a problem of its own.
    bool readPart(const QString &part, qint64 limit, const std::function<void(XlsxPart &)> &read)
    {
        QuaZipFileInfo64 info;
        if (!hasPart(part))
            return fail(damagedWorkbook(QStringLiteral("缺少 %1").arg(part)));
        if (!m_zip.getCurrentFileInfo(&info))
            return fail(damagedWorkbook(QStringLiteral("無法解開 %1").arg(part)));
        if (info.uncompressedSize > quint64(limit))
            return fail(ListLimits::partTooLarge(part, limit));
        QuaZipFile file(&m_zip);
        if (!file.open(QIODevice::ReadOnly))
            return fail(damagedWorkbook(QStringLiteral("無法解開 %1").arg(part)));
        qint64 partRead = 0;
        XlsxPart xml(file, limit, [&](qint64 bytes) {
            partRead = bytes;
            return !m_bytes || m_bytes->at(m_bytesDone + bytes);
        });
        read(xml);
        m_bytesDone += partRead;
        file.close();
        return partEnded(part, limit, xml, file.getZipError());
    }

    bool partEnded(const QString &part, qint64 limit, const XlsxPart &xml, int zipError)
    {
        switch (xml.stop()) {
        case XlsxPart::Stop::Cancelled:
            m_cancelled = true;
            return false;
        case XlsxPart::Stop::TooLarge:
            return fail(ListLimits::partTooLarge(part, limit));
        case XlsxPart::Stop::TooLong:
            return fail(damagedWorkbook(QStringLiteral("%1 中有一段內容過長").arg(part)));
        case XlsxPart::Stop::Unreadable:
            return fail(damagedWorkbook(QStringLiteral("%1 無法解壓縮").arg(part)));
        case XlsxPart::Stop::None:
            break;
        }
        if (m_rows.over())
            return false;
        if (xml.hasError())
            return fail(
                damagedWorkbook(QStringLiteral("%1 第 %2 行").arg(part).arg(xml.lineNumber())));
        if (zipError != UNZ_OK)
            return fail(damagedWorkbook(QStringLiteral("%1 無法解壓縮").arg(part)));
        return true;
    }

    bool fail(const QString &problem)
    {
        if (m_problem.isEmpty())
            m_problem = problem;
        return false;
    }

    // Each relationship of `part`, to `visit`.
    bool readRelationships(const QString &part,
                           const std::function<void(const Relationship &)> &visit)
    {
        return readPart(relationshipsOf(part), MaxIndexPartBytes, [&](XlsxPart &xml) {
            while (!xml.atEnd()) {
                if (xml.next() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
                    continue;
                const QXmlStreamAttributes attributes = xml.attributes();
                visit(Relationship{
                    attributes.value(QLatin1String("Id")).toString(),
                    attributes.value(QLatin1String("Type")).toString(),
                    resolveTarget(part, attributes.value(QLatin1String("Target")).toString())});
            }
        });
    }

    // The relationship id of the first sheet the user can see (the first
    // of all when every sheet is hidden).
    std::optional<QString> firstVisibleSheetId(const QString &workbookPart)
    {
        std::optional<QString> first;
        std::optional<QString> visible;
        const bool read = readPart(workbookPart, MaxIndexPartBytes, [&](XlsxPart &xml) {
            while (!xml.atEnd() && !visible) {
                if (xml.next() != QXmlStreamReader::StartElement || xml.name() != u"sheet")
                    continue;
                QString id;
                bool hidden = false;
                const QXmlStreamAttributes attributes = xml.attributes();
                for (const QXmlStreamAttribute &attribute : attributes) {
                    // r:id, in whichever relationships namespace the file uses
                    if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
                        id = attribute.value().toString();
                    else if (attribute.name() == u"state")
                        hidden = attribute.value() != u"visible";
                }
                if (!first)
                    first = id;
                if (!hidden)
                    visible = id;
            }
        });
        if (read && !first)
            fail(damagedWorkbook(QStringLiteral("活頁簿中沒有工作表")));
        return read && first ? (visible ? visible : first) : std::nullopt;
    }

    // The part of the first sheet the user can see; empty with the problem
    // set when there is none. Also finds the shared strings.
    QString firstSheetPart()
    {
        std::optional<QString> workbookPart;
        readRelationships(QString(), [&](const Relationship &rel) {
            if (!workbookPart && rel.type.endsWith(u"/officeDocument"))
                workbookPart = rel.target;
        });
        if (!m_problem.isEmpty())
            return {};
        if (!workbookPart) {
            fail(damagedWorkbook(QStringLiteral("找不到活頁簿本文")));
            return {};
        }
        const std::optional<QString> id = firstVisibleSheetId(*workbookPart);
        if (!id)
            return {};
        QString sheet;
        readRelationships(*workbookPart, [&](const Relationship &rel) {
            if (sheet.isEmpty() && rel.id == *id)
                sheet = rel.target;
            else if (m_sharedStringsPart.isEmpty() && rel.type.endsWith(u"/sharedStrings"))
                m_sharedStringsPart = rel.target;
        });
        if (!m_problem.isEmpty())
            return {};
        if (sheet.isEmpty())
            fail(damagedWorkbook(QStringLiteral("找不到第一個工作表")));
        return sheet;
    }

    // A workbook without text cells may have no shared strings at all.
    bool loadSharedStrings()
    {
        if (m_sharedStringsPart.isEmpty() || !hasPart(m_sharedStringsPart))
            return true;
        return readPart(m_sharedStringsPart, MaxDataPartBytes, [&](XlsxPart &xml) {
            while (!xml.atEnd()) {
                if (xml.next() != QXmlStreamReader::StartElement || xml.name() != u"si")
                    continue;
                QString text = readRichText(xml);
                if (!m_rows.holdSharedText(text.size()))
                    return;
                m_sharedStrings.append(std::move(text));
            }
        });
    }

    void readRows(const QString &sheetPart)
    {
        readPart(sheetPart, MaxDataPartBytes, [&](XlsxPart &xml) {
            int lastRow = 0;
            while (!xml.atEnd() && !m_rows.over()) {
                if (xml.next() != QXmlStreamReader::StartElement || xml.name() != u"row")
                    continue;
                const int number = xml.attributes().value(QLatin1String("r")).toInt();
                const int row = number > 0 ? number : lastRow + 1;
                if (row > ExcelRows) {
                    xml.raiseError(QStringLiteral("bad row number"));
                    return;
                }
                lastRow = row;
                QStringList fields;
                readCells(xml, fields);
                m_rows.add(row, std::move(fields));
            }
        });
    }

    // Only cells with a value are set; the cells before them stay empty.
    // A value past the last column read is left out before the row grows.
    void readCells(XlsxPart &xml, QStringList &fields)
    {
        int nextColumn = 0;
        while (xml.nextStartElement()) {
            if (xml.name() != u"c") {
                xml.skipElement();
                continue;
            }
            const QXmlStreamAttributes attributes = xml.attributes();
            const QStringView reference = attributes.value(QLatin1String("r"));
            const int column = reference.isEmpty() ? nextColumn : columnOf(reference);
            if (column < 0 || column >= ExcelColumns) {
                xml.raiseError(QStringLiteral("bad cell reference"));
                return;
            }
            nextColumn = column + 1;
            const CellValue value = readCell(xml, attributes.value(QLatin1String("t")));
            if (value.text.isEmpty())
                continue;
            if (!ListCollector::readsColumn(column)) {
                m_rows.leaveOut();
                continue;
            }
            if (!value.shared && !m_rows.holdText(value.text.size()))
                return;
            while (fields.size() <= column)
                fields.append(QString());
            fields[column] = value.text;
        }
    }

    CellValue readCell(XlsxPart &xml, QStringView type)
    {
        QString stored;
        QString inlineText;
        while (xml.nextStartElement()) {
            if (xml.name() == u"v")
                stored = xml.elementText();
            else if (xml.name() == u"is")
                inlineText = readRichText(xml);
            else
                xml.skipElement();
        }
        if (type == u"s") {
            bool ok = false;
            const int index = stored.toInt(&ok);
            if (!ok || index < 0 || index >= m_sharedStrings.size()) {
                xml.raiseError(QStringLiteral("bad shared string"));
                return {};
            }
            return {m_sharedStrings[index], true};
        }
        if (type == u"inlineStr")
            return {inlineText};
        if (type == u"b")
            return {stored == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE")};
        if (type == u"str" || type == u"e")
            return {decodeEscapes(stored)};
        return {stored.isEmpty() ? stored : numberText(stored)};
    }

    QuaZip m_zip;
    const ListProgress &m_progress;
    std::optional<ByteProgress> m_bytes; // over the sheet and its strings, once they are known
    qint64 m_bytesDone = 0;
    QString m_sharedStringsPart;
    QStringList m_sharedStrings;
    ListCollector m_rows;
    QString m_problem;
    bool m_cancelled = false;
};

} // namespace

ListRead readXlsxFirstSheet(QIODevice *device, const ListProgress &progress)
{
    return Workbook(device, progress).firstSheet();
}
