#pragma once

#include "lists/listrows.h"

#include <QByteArray>
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

// Writes the parts as a zip archive; false when it cannot.
bool writeZip(const QString &path, const Parts &parts);

inline bool writeWorkbook(const QString &path, const QList<ListRow> &rows)
{
    return writeZip(path, workbookParts(rows));
}

} // namespace XlsxFixture
