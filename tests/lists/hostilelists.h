#pragma once

#include "xlsxfixture.h"

#include <QByteArray>

// List files made to exhaust a reader without limits, as a tester made them.
namespace HostileLists {

constexpr qint64 MB = 1 << 20;

// 3 MB whose shared strings inflate to 3 GB (or, with `declaredSize`,
// whose headers say they inflate to that).
inline QByteArray inflatingWorkbook(qint64 declaredSize = -1)
{
    return XlsxFixture::workbookBytes(XlsxFixture::repeatedSharedStrings(3000 * MB, declaredSize));
}

// One cell in column XFD, the last, in each row.
inline QByteArray lastColumnWorkbook(int rows)
{
    const QByteArray row = R"(<row><c r="XFD1" t="inlineStr"><is><t>x</t></is></c></row>)";
    return XlsxFixture::workbookBytes(
        XlsxFixture::repeatedSheetRows(row.repeated(1000), rows / 1000));
}

// A value in each of a spreadsheet's 1,048,576 rows.
inline QByteArray everyRowWorkbook()
{
    const QByteArray row = "<row><c><v>1</v></c></row>";
    return XlsxFixture::workbookBytes(XlsxFixture::repeatedSheetRows(row.repeated(1024), 1024));
}

inline QByteArray bareCrs(qint64 bytes)
{
    return QByteArray(bytes, '\r');
}

inline QByteArray wideCsv(int columns)
{
    return QByteArray("王小明,").repeated(columns);
}

} // namespace HostileLists
