#include "sheet/seattext.h"

#include <algorithm>

namespace SeatText {

namespace {
const QString Zone = QStringLiteral("區");
const QString Row = QStringLiteral("排");
const QString Number = QStringLiteral("號");
constexpr qsizetype TailLength = 50;

// Takes the text before `separator` out of `rest`.
QString takeBefore(QString &rest, const QString &separator)
{
    const qsizetype at = rest.indexOf(separator);
    if (at < 0)
        return {};
    const QString before = rest.left(at);
    rest = rest.mid(at + separator.size(), TailLength);
    return before;
}
} // namespace

QString compose(const QString &zone, int row, int number)
{
    if (zone.isEmpty()) {
        const QString rowPart = row != 0 ? QString::number(row) + Row : QString();
        return rowPart + QString::number(number) + Number;
    }
    QString seat = zone + Zone;
    if (row != 0)
        seat += QString::number(row) + Row;
    if (number != 0)
        seat += QString::number(number) + Number;
    return seat;
}

Parts parse(const QString &seat)
{
    QString rest = seat;
    Parts parts;
    parts.zone = takeBefore(rest, Zone);
    parts.row = takeBefore(rest, Row);
    parts.number = takeBefore(rest, Number);
    return parts;
}

int fieldValue(const QString &text)
{
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return 0;
    return int(std::clamp<long long>(value, 0, MaxFieldValue));
}

} // namespace SeatText
