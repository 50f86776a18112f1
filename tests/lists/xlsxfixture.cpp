#include "xlsxfixture.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QBuffer>
#include <QXmlStreamWriter>

#include <zlib.h>

#include <algorithm>
#include <functional>

namespace XlsxFixture {

namespace {

const QString MainNs = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QString RelNs =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString ListSheet = QStringLiteral("xl/worksheets/list.xml");
const QString PackageRelNs =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");

// One XML part: `root` in the default namespace `ns`, holding what `body` writes.
QByteArray xmlPart(const QString &ns, const QString &root,
                   const std::function<void(QXmlStreamWriter &)> &body)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeNamespace(RelNs, QStringLiteral("r"));
    xml.writeDefaultNamespace(ns);
    xml.writeStartElement(ns, root);
    body(xml);
    xml.writeEndDocument();
    return out;
}

QByteArray relationships(const QList<QStringList> &rels) // id, type, target
{
    return xmlPart(PackageRelNs, QStringLiteral("Relationships"), [&](QXmlStreamWriter &xml) {
        for (const QStringList &rel : rels) {
            xml.writeStartElement(PackageRelNs, QStringLiteral("Relationship"));
            xml.writeAttribute(QStringLiteral("Id"), rel[0]);
            xml.writeAttribute(QStringLiteral("Type"), RelNs + u'/' + rel[1]);
            xml.writeAttribute(QStringLiteral("Target"), rel[2]);
            xml.writeEndElement();
        }
    });
}

QByteArray workbook()
{
    return xmlPart(MainNs, QStringLiteral("workbook"), [](QXmlStreamWriter &xml) {
        xml.writeStartElement(MainNs, QStringLiteral("sheets"));
        const QList<QStringList> sheets = {
            {QStringLiteral("設定"), QStringLiteral("1"), QStringLiteral("rId3")},
            {QStringLiteral("名單"), QStringLiteral("2"), QStringLiteral("rId1")}};
        for (const QStringList &sheet : sheets) {
            xml.writeStartElement(MainNs, QStringLiteral("sheet"));
            xml.writeAttribute(QStringLiteral("name"), sheet[0]);
            xml.writeAttribute(QStringLiteral("sheetId"), sheet[1]);
            if (sheet[1] == u"1")
                xml.writeAttribute(QStringLiteral("state"), QStringLiteral("hidden"));
            xml.writeAttribute(RelNs, QStringLiteral("id"), sheet[2]);
            xml.writeEndElement();
        }
    });
}

QString cellReference(int column, int row)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters + QString::number(row);
}

bool isNumber(const QString &field)
{
    return !field.isEmpty()
        && std::all_of(field.cbegin(), field.cend(), [](QChar c) { return c.isDigit(); });
}

void writeCell(QXmlStreamWriter &xml, const QString &field, int column, int row,
               QStringList &shared)
{
    xml.writeStartElement(MainNs, QStringLiteral("c"));
    xml.writeAttribute(QStringLiteral("r"), cellReference(column, row));
    if (isNumber(field)) {
        xml.writeTextElement(MainNs, QStringLiteral("v"), field);
    } else if (column % 2 == 0) {
        xml.writeAttribute(QStringLiteral("t"), QStringLiteral("s"));
        xml.writeTextElement(MainNs, QStringLiteral("v"), QString::number(shared.size()));
        shared.append(field);
    } else {
        xml.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
        xml.writeStartElement(MainNs, QStringLiteral("is"));
        xml.writeTextElement(MainNs, QStringLiteral("t"), field);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

QByteArray worksheet(const QList<ListRow> &rows, QStringList &shared)
{
    return xmlPart(MainNs, QStringLiteral("worksheet"), [&](QXmlStreamWriter &xml) {
        xml.writeStartElement(MainNs, QStringLiteral("sheetData"));
        for (const ListRow &row : rows) {
            xml.writeStartElement(MainNs, QStringLiteral("row"));
            xml.writeAttribute(QStringLiteral("r"), QString::number(row.sourceRow));
            for (int column = 0; column < row.fields.size(); ++column) {
                if (!row.fields[column].isEmpty())
                    writeCell(xml, row.fields[column], column, row.sourceRow, shared);
            }
            xml.writeEndElement();
        }
    });
}

QByteArray sharedStrings(const QStringList &strings)
{
    return xmlPart(MainNs, QStringLiteral("sst"), [&](QXmlStreamWriter &xml) {
        for (const QString &text : strings) {
            xml.writeStartElement(MainNs, QStringLiteral("si"));
            xml.writeTextElement(MainNs, QStringLiteral("t"), text);
            xml.writeEndElement();
        }
    });
}

} // namespace

Parts workbookParts(const QList<ListRow> &rows)
{
    QStringList shared;
    const QByteArray sheet = worksheet(rows, shared);
    const QByteArray hidden = worksheet({{1, {QStringLiteral("隱藏")}}}, shared);
    return {
        {QStringLiteral("_rels/.rels"),
         relationships({{QStringLiteral("rId1"), QStringLiteral("officeDocument"),
                         QStringLiteral("xl/workbook.xml")}})},
        {QStringLiteral("xl/workbook.xml"), workbook()},
        {QStringLiteral("xl/_rels/workbook.xml.rels"),
         relationships({{QStringLiteral("rId1"), QStringLiteral("worksheet"),
                         QStringLiteral("worksheets/list.xml")},
                        {QStringLiteral("rId2"), QStringLiteral("sharedStrings"),
                         QStringLiteral("sharedStrings.xml")},
                        {QStringLiteral("rId3"), QStringLiteral("worksheet"),
                         QStringLiteral("/xl/worksheets/sheet1.xml")}})},
        {QStringLiteral("xl/sharedStrings.xml"), sharedStrings(shared)},
        {QStringLiteral("xl/worksheets/sheet1.xml"), hidden},
        {ListSheet, sheet},
    };
}

void replaceInPart(Parts &parts, const QString &part, const QByteArray &from, const QByteArray &to)
{
    for (auto &[name, content] : parts) {
        if (name == part)
            content.replace(from, to);
    }
}

namespace {

const QByteArray SheetHead =
    "<?xml version=\"1.0\"?><worksheet xmlns=\"" + MainNs.toUtf8() + "\"><sheetData>";
const QByteArray SheetTail = "</sheetData></worksheet>";

} // namespace

void setSheetRows(Parts &parts, const QByteArray &rows)
{
    for (auto &[name, content] : parts) {
        if (name == ListSheet)
            content = SheetHead + rows + SheetTail;
    }
}

RepeatedPart repeatedSheetRows(const QByteArray &rows, qint64 times)
{
    return {ListSheet, SheetHead, rows, SheetTail, times};
}

RepeatedPart repeatedSharedStrings(qint64 bytes, qint64 declaredSize)
{
    const QByteArray si = "<si><t>" + QStringLiteral("王小明").toUtf8() + "</t></si>";
    const QByteArray chunk = si.repeated((1 << 20) / si.size());
    return {QStringLiteral("xl/sharedStrings.xml"),
            "<?xml version=\"1.0\"?><sst xmlns=\"" + MainNs.toUtf8() + "\">",
            chunk,
            "</sst>",
            bytes / chunk.size(),
            declaredSize};
}

QByteArray workbookBytes(const RepeatedPart &repeated)
{
    const Parts parts = workbookParts({{1, {QStringLiteral("姓名"), QStringLiteral("地址")}},
                                       {2, {QStringLiteral("王小明"), QStringLiteral("台北市")}}});
    return zipBytes(parts, {repeated});
}

namespace {

// Raw deflate blocks of `data`. A full flush ends them byte-aligned with
// the history cleared, so that they may be repeated; Z_FINISH ends the stream.
QByteArray deflated(z_stream &stream, const QByteArray &data, int flush)
{
    QByteArray out;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = uInt(data.size());
    char buffer[1 << 16];
    do {
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        if (deflate(&stream, flush) == Z_STREAM_ERROR)
            qFatal("deflate failed");
        out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
    } while (stream.avail_out == 0);
    return out;
}

quint32 crcOf(const QByteArray &data)
{
    return quint32(crc32(0, reinterpret_cast<const Bytef *>(data.data()), uInt(data.size())));
}

bool writeRepeated(QuaZip &zip, const RepeatedPart &part)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY)
        != Z_OK)
        return false;
    const QByteArray head = deflated(stream, part.head, Z_FULL_FLUSH);
    const QByteArray chunk = deflated(stream, part.chunk, Z_FULL_FLUSH);
    const QByteArray tail = deflated(stream, part.tail, Z_FINISH);
    deflateEnd(&stream);

    uLong crc = crcOf(part.head);
    for (qint64 i = 0; i < part.times; ++i)
        crc = crc32_combine(crc, crcOf(part.chunk), z_off_t(part.chunk.size()));
    crc = crc32_combine(crc, crcOf(part.tail), z_off_t(part.tail.size()));
    const qint64 size = part.head.size() + part.chunk.size() * part.times + part.tail.size();

    QuaZipNewInfo info(part.name);
    info.uncompressedSize = ulong(part.declaredSize < 0 ? size : part.declaredSize);
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::WriteOnly, info, nullptr, quint32(crc), Z_DEFLATED,
                   Z_BEST_COMPRESSION, true))
        return false;
    bool written = file.write(head) == head.size();
    for (qint64 i = 0; written && i < part.times; ++i)
        written = file.write(chunk) == chunk.size();
    written = written && file.write(tail) == tail.size();
    file.close();
    return written && file.getZipError() == ZIP_OK;
}

bool writeParts(QuaZip &zip, const Parts &parts, const QList<RepeatedPart> &repeated,
                int method = Z_DEFLATED)
{
    if (!zip.open(QuaZip::mdCreate))
        return false;
    const auto isRepeated = [&](const QString &name) {
        return std::any_of(repeated.cbegin(), repeated.cend(),
                           [&](const RepeatedPart &part) { return part.name == name; });
    };
    for (const auto &[name, content] : parts) {
        if (isRepeated(name))
            continue;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, method)
            || file.write(content) != content.size())
            return false;
        file.close();
        if (file.getZipError() != ZIP_OK)
            return false;
    }
    for (const RepeatedPart &part : repeated) {
        if (!writeRepeated(zip, part))
            return false;
    }
    zip.close();
    return zip.getZipError() == ZIP_OK;
}

} // namespace

bool writeZip(QIODevice *device, const Parts &parts, const QList<RepeatedPart> &repeated)
{
    QuaZip zip(device);
    return writeParts(zip, parts, repeated);
}

bool writeZip(const QString &path, const Parts &parts, const QList<RepeatedPart> &repeated)
{
    QuaZip zip(path);
    return writeParts(zip, parts, repeated);
}

QByteArray zipBytes(const Parts &parts, const QList<RepeatedPart> &repeated)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!writeZip(&buffer, parts, repeated))
        qFatal("cannot write the zip fixture");
    return bytes;
}

QByteArray workbookFromXml(const QByteArray &xml)
{
    static const Parts sample = workbookParts(
        {{1, {QStringLiteral("姓名"), QStringLiteral("地址"), QStringLiteral("1950")}},
         {3, {QStringLiteral("王小明"), QStringLiteral("台北市")}}});
    static const QStringList replaced = {
        ListSheet, QStringLiteral("xl/sharedStrings.xml"), QStringLiteral("xl/workbook.xml"),
        QStringLiteral("xl/_rels/workbook.xml.rels"), QStringLiteral("_rels/.rels")};
    Parts parts = sample;
    const QList<QByteArray> given = xml.split('\0');
    for (auto &[name, content] : parts) {
        const qsizetype piece = replaced.indexOf(name);
        if (piece >= 0 && piece < given.size())
            content = given[piece];
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    if (!writeParts(zip, parts, {}, 0))
        qFatal("cannot write the zip fixture");
    return bytes;
}

} // namespace XlsxFixture
