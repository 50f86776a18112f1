#pragma once

#include "lists/listrows.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QPair>
#include <QString>

namespace XlsxFixture {

using Parts = QList<QPair<QString, QByteArray>>; // part name, content

// The parts of a workbook whose first visible sheet holds `rows`: a hidden
// sheet stands before it, and its part name is not sheet1.xml, so a reader
// must follow the workbook and its relationships. Fields of digits are
// numbers; other fields are shared strings in even columns and inline
// strings in odd ones.
Parts workbookParts(const QList<ListRow> &rows);

// Replaces `from` by `to` in the part named `part`.
void replaceInPart(Parts &parts, const QString &part, const QByteArray &from, const QByteArray &to);

// Puts `rows` (<row> elements) in place of the rows of the visible sheet.
void setSheetRows(Parts &parts, const QByteArray &rows);

// A part of `head`, `chunk` repeated `times` and `tail`, for parts that
// inflate to gigabytes: the chunk is compressed once and its deflate blocks
// repeated. Its zip headers give its true size unless `declaredSize` is set.
struct RepeatedPart {
    QString name;
    QByteArray head;
    QByteArray chunk;
    QByteArray tail;
    qint64 times = 1;
    qint64 declaredSize = -1;
};

// The visible sheet's part as `rows` (<row> elements) repeated `times`.
RepeatedPart repeatedSheetRows(const QByteArray &rows, qint64 times);

// The shared strings as about `bytes` of one name repeated, its headers
// saying `declaredSize` when that is set.
RepeatedPart repeatedSharedStrings(qint64 bytes, qint64 declaredSize = -1);

// Writes the parts as a zip archive, a part named in `repeated` as it says;
// false when it cannot.
bool writeZip(QIODevice *device, const Parts &parts, const QList<RepeatedPart> &repeated = {});
bool writeZip(const QString &path, const Parts &parts, const QList<RepeatedPart> &repeated = {});
// The same in memory; stops the test program when it cannot.
QByteArray zipBytes(const Parts &parts, const QList<RepeatedPart> &repeated = {});
// A small workbook whose parts are, in turn, the NUL-separated pieces of
// `xml`: its sheet, shared strings, workbook, the workbook's relationships
// and the package's; the parts stored, not compressed, to be quick. The
// fuzzer reaches the XML inside a workbook through it.
QByteArray workbookFromXml(const QByteArray &xml);

inline bool writeWorkbook(const QString &path, const QList<ListRow> &rows)
{
    return writeZip(path, workbookParts(rows));
}

// A workbook of a header and a name, one of its parts as `repeated` says.
QByteArray workbookBytes(const RepeatedPart &repeated);

} // namespace XlsxFixture
