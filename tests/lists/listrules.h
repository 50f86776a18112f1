#pragma once

#include "lists/listlimits.h"
#include "lists/listrows.h"

#include <QString>

// What every read of a list gives, whatever the bytes: rows within the
// limits, each with a value at its end, or a problem and nothing else. The
// fuzz targets check it, and so do the cases kept from their findings.
namespace ListRules {

enum class Source { Text, Workbook };

// Empty when `read` keeps the rules, else the rule it breaks.
inline QString broken(const ListRead &read, Source source)
{
    if (read.cancelled)
        return QStringLiteral("cancelled unasked");
    if (!read.problem.isEmpty())
        return read.rows.isEmpty() && read.notice.isEmpty()
            ? QString()
            : QStringLiteral("rows or a notice beside a problem");
    if (read.rows.isEmpty())
        return QStringLiteral("no rows and no problem");
    if (read.rows.size() > ListLimits::MaxRows)
        return QStringLiteral("too many rows");
    qint64 cells = 0;
    int previous = 0;
    for (const ListRow &row : read.rows) {
        if (row.fields.isEmpty() || row.fields.last().isEmpty())
            return QStringLiteral("row %1 ends in an empty field").arg(row.sourceRow);
        if (row.fields.size() > ListLimits::MaxColumns)
            return QStringLiteral("row %1 is too wide").arg(row.sourceRow);
        if (row.sourceRow < 1 || (source == Source::Workbook && row.sourceRow > 1048576))
            return QStringLiteral("row number %1").arg(row.sourceRow);
        // A text's records are numbered in order, and hold no NUL.
        if (source == Source::Text
            && (row.sourceRow <= previous || row.fields.join(QString()).contains(QChar(0))))
            return QStringLiteral("row %1 out of order or holding a NUL").arg(row.sourceRow);
        previous = row.sourceRow;
        cells += row.fields.size();
    }
    return cells > ListLimits::MaxCells ? QStringLiteral("too many cells") : QString();
}

} // namespace ListRules
