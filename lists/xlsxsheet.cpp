#include "lists/xlsxsheet.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>

namespace {

// Excel's last column, XFD.
constexpr int MaxColumns = 16384;

struct Relationship {
    QString id;
    QString type;
    QString target; // part name inside the archive
};

struct SheetEntry {
    QString relationshipId;
    bool hidden = false;
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
QString readRichText(QXmlStreamReader &xml)
{
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t") {
            text += xml.readElementText();
        } else if (xml.name() == u"r") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"t")
                    text += xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return decodeEscapes(text);
}

// "AB12" -> 27; -1 without column letters.
int columnOf(QStringView reference)
{
    const auto isLetter = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    int column = 0;
    qsizetype i = 0;
    while (i < reference.size() && isLetter(reference[i]) && column <= MaxColumns)
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

class Workbook
{
public:
    explicit Workbook(const QString &path)
        : m_zip(path)
    { }

    ListRead firstSheet()
    {
        ListRead read;
        if (!m_zip.open(QuaZip::mdUnzip)) {
            read.problem = QStringLiteral("這個檔案不是完整的 Excel 活頁簿（.xlsx），可能已損壞。");
            return read;
        }
        const QString sheet = firstSheetPart();
        if (!sheet.isEmpty() && loadSharedStrings())
            readRows(sheet, read.rows);
        if (!m_problem.isEmpty())
            read = ListRead{{}, m_problem};
        return read;
    }

private:
    bool hasPart(const QString &part) { return m_zip.setCurrentFile(part, QuaZip::csInsensitive); }

    // Runs `read` over a part's XML. A missing part, a read error, a wrong
    // checksum or bad XML sets the problem and gives false.
    bool readPart(const QString &part, const std::function<void(QXmlStreamReader &)> &read)
    {
        if (!hasPart(part))
            return fail(QStringLiteral("缺少 %1").arg(part));
        QuaZipFile file(&m_zip);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("無法解開 %1").arg(part));
        // Whole, so that a damaged stream ends the XML instead of starving it.
        const QByteArray content = file.readAll();
        file.close();
        if (file.getZipError() != UNZ_OK)
            return fail(QStringLiteral("%1 無法解壓縮").arg(part));
        QXmlStreamReader xml(content);
        read(xml);
        if (xml.hasError())
            return fail(QStringLiteral("%1 第 %2 行").arg(part).arg(xml.lineNumber()));
        return true;
    }

    bool fail(const QString &detail)
    {
        if (m_problem.isEmpty())
            m_problem = damagedWorkbook(detail);
        return false;
    }

    QList<Relationship> relationships(const QString &part)
    {
        QList<Relationship> found;
        const QString relsPart = relationshipsOf(part);
        readPart(relsPart, [&](QXmlStreamReader &xml) {
            while (!xml.atEnd()) {
                if (xml.readNext() == QXmlStreamReader::StartElement
                    && xml.name() == u"Relationship") {
                    const QXmlStreamAttributes attributes = xml.attributes();
                    found.append(Relationship{
                        attributes.value(QLatin1String("Id")).toString(),
                        attributes.value(QLatin1String("Type")).toString(),
                        resolveTarget(part, attributes.value(QLatin1String("Target")).toString())});
                }
            }
        });
        return found;
    }

    static const Relationship *withType(const QList<Relationship> &rels, QStringView typeEnd)
    {
        for (const Relationship &rel : rels) {
            if (rel.type.endsWith(typeEnd))
                return &rel;
        }
        return nullptr;
    }

    QList<SheetEntry> sheetEntries(const QString &workbookPart)
    {
        QList<SheetEntry> sheets;
        readPart(workbookPart, [&](QXmlStreamReader &xml) {
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"sheet")
                    continue;
                SheetEntry entry;
                for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                    // r:id, in whichever relationships namespace the file uses
                    if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
                        entry.relationshipId = attribute.value().toString();
                    else if (attribute.name() == u"state")
                        entry.hidden = attribute.value() != u"visible";
                }
                sheets.append(entry);
            }
        });
        return sheets;
    }

    // The part of the first sheet the user can see (the first of all when
    // every sheet is hidden); empty with the problem set when there is none.
    QString firstSheetPart()
    {
        const QList<Relationship> packageRels = relationships(QString());
        const Relationship *document = withType(packageRels, u"/officeDocument");
        if (!document) {
            fail(QStringLiteral("找不到活頁簿本文"));
            return {};
        }
        const QString workbookPart = document->target;
        const QList<SheetEntry> sheets = sheetEntries(workbookPart);
        m_workbookRels = relationships(workbookPart);
        if (!m_problem.isEmpty())
            return {};
        if (sheets.isEmpty()) {
            fail(QStringLiteral("活頁簿中沒有工作表"));
            return {};
        }
        auto chosen = std::find_if(sheets.cbegin(), sheets.cend(),
                                   [](const SheetEntry &s) { return !s.hidden; });
        const QString id = (chosen == sheets.cend() ? sheets.first() : *chosen).relationshipId;
        for (const Relationship &rel : std::as_const(m_workbookRels)) {
            if (rel.id == id)
                return rel.target;
        }
        fail(QStringLiteral("找不到第一個工作表"));
        return {};
    }

    // A workbook without text cells may have no shared strings at all.
    bool loadSharedStrings()
    {
        const Relationship *strings = withType(m_workbookRels, u"/sharedStrings");
        if (!strings || !hasPart(strings->target))
            return true;
        return readPart(strings->target, [&](QXmlStreamReader &xml) {
            while (!xml.atEnd()) {
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
                    m_sharedStrings.append(readRichText(xml));
            }
        });
    }

    void readRows(const QString &sheetPart, QList<ListRow> &rows)
    {
        readPart(sheetPart, [&](QXmlStreamReader &xml) {
            int lastRow = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"row")
                    continue;
                const int number = xml.attributes().value(QLatin1String("r")).toInt();
                ListRow row{number > 0 ? number : lastRow + 1, {}};
                lastRow = row.sourceRow;
                readCells(xml, row.fields);
                if (!row.fields.isEmpty())
                    rows.append(row);
            }
        });
    }

    // Only cells with a value are set; the cells before them stay empty.
    void readCells(QXmlStreamReader &xml, QStringList &fields)
    {
        int nextColumn = 0;
        while (xml.readNextStartElement()) {
            if (xml.name() != u"c") {
                xml.skipCurrentElement();
                continue;
            }
            const QStringView reference = xml.attributes().value(QLatin1String("r"));
            const int column = reference.isEmpty() ? nextColumn : columnOf(reference);
            if (column < 0 || column >= MaxColumns) {
                xml.raiseError(QStringLiteral("bad cell reference"));
                return;
            }
            nextColumn = column + 1;
            const QString value = readCell(xml);
            if (value.isEmpty())
                continue;
            while (fields.size() <= column)
                fields.append(QString());
            fields[column] = value;
        }
    }

    QString readCell(QXmlStreamReader &xml)
    {
        const QString type = xml.attributes().value(QLatin1String("t")).toString();
        QString stored;
        QString inlineText;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"v")
                stored = xml.readElementText();
            else if (xml.name() == u"is")
                inlineText = readRichText(xml);
            else
                xml.skipCurrentElement();
        }
        if (type == u"s") {
            bool ok = false;
            const int index = stored.toInt(&ok);
            if (!ok || index < 0 || index >= m_sharedStrings.size()) {
                xml.raiseError(QStringLiteral("bad shared string"));
                return {};
            }
            return m_sharedStrings[index];
        }
        if (type == u"inlineStr")
            return inlineText;
        if (type == u"b")
            return stored == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (type == u"str" || type == u"e")
            return decodeEscapes(stored);
        return stored.isEmpty() ? stored : numberText(stored);
    }

    QuaZip m_zip;
    QList<Relationship> m_workbookRels;
    QStringList m_sharedStrings;
    QString m_problem;
};

} // namespace

ListRead readXlsxFirstSheet(const QString &path)
{
    return Workbook(path).firstSheet();
}
