#include "sheet/labelfill.h"

#include "ini/inidocument.h"
#include "sheet/seattext.h"

#include <QRegularExpression>

#include <span>

namespace LabelFill {

namespace {

bool hasText(const QStringList &lines)
{
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString &line) { return !line.isEmpty(); });
}

QString halfWidthDigits(QString text)
{
    for (QChar &c : text) {
        if (c >= QChar(0xFF10) && c <= QChar(0xFF19))
            c = QChar(u'0' + (c.unicode() - 0xFF10));
    }
    return text;
}

// A row or number as the dialog would store it: empty or 0..100, with a
// unit the spreadsheet may have added ("3排") taken off.
bool readSeatNumber(QString &text, QChar unit)
{
    text = halfWidthDigits(text);
    if (text.endsWith(unit))
        text.chop(1);
    if (text.isEmpty())
        return true;
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    return digits.match(text).hasMatch() && text.toInt() <= SeatText::MaxFieldValue;
}

// "A區3排12號" or any part of it.
bool readSeatText(const QString &seat, LabelFields &fields)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:([^區排號]*)區)?(?:([0-9]+)排)?(?:([0-9]+)號)?$"));
    const QRegularExpressionMatch match = form.match(halfWidthDigits(seat));
    if (!match.hasMatch())
        return false;
    fields.zone = match.captured(1);
    fields.row = match.captured(2);
    fields.number = match.captured(3);
    return readSeatNumber(fields.row, u'排') && readSeatNumber(fields.number, u'號');
}

std::variant<LabelFields, QString> seatFields(LabelFields fields, const QStringList &values)
{
    if (values.size() == 2) {
        if (!readSeatText(values[1], fields))
            return QStringLiteral("無法辨識座位「%1」").arg(values[1]);
        return fields;
    }
    if (fields.zone.endsWith(u'區'))
        fields.zone.chop(1);
    if (!readSeatNumber(fields.row, u'排'))
        return QStringLiteral("排「%1」不是 0 到 %2 的整數")
            .arg(values[2])
            .arg(SeatText::MaxFieldValue);
    if (!readSeatNumber(fields.number, u'號'))
        return QStringLiteral("號「%1」不是 0 到 %2 的整數")
            .arg(values.value(3))
            .arg(SeatText::MaxFieldValue);
    return fields;
}

} // namespace

QList<Placed> Plan::onPage(int page) const
{
    QList<Placed> result;
    for (const Placed &one : placed) {
        if (one.page == page)
            result.append(one);
    }
    return result;
}

QList<QList<Placed>> Plan::byPage() const
{
    QList<QList<Placed>> result;
    for (const Placed &one : placed) {
        if (result.isEmpty() || result.last().first().page != one.page)
            result.append(QList<Placed>{});
        result.last().append(one);
    }
    return result;
}

SheetPage::Cells placeInto(SheetPage::Cells cells, const QList<Placed> &placed)
{
    for (const Placed &one : placed)
        cells[one.cell - 1] = one.lines;
    return cells;
}

QString cleanValue(const QString &value)
{
    QString text = value;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")); // one line break, one space
    for (QChar &c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    }
    return text.trimmed();
}

std::variant<LabelFields, QString> fieldsFromValues(int kind, QStringList values)
{
    for (QString &value : values)
        value = cleanValue(value);
    LabelFields fields;
    const std::span<const DialogField> order = dialogFields(kind);
    for (size_t i = 0; i < order.size() && i < size_t(values.size()); ++i)
        fields.*order[i].member = values[qsizetype(i)];
    if (kind == 3 && fields != LabelFields{})
        return seatFields(fields, values);
    return fields;
}

Plan plan(int kind, const QList<Row> &rows, int startPage, int startCell, const PageSource &pages)
{
    Plan result;
    int page = startPage;
    int cell = startCell;
    SheetPage::Cells cells = pages(page);
    for (const Row &row : rows) {
        const std::variant<LabelFields, QString> read = fieldsFromValues(kind, row.values);
        if (const QString *reason = std::get_if<QString>(&read)) {
            result.skipped.append({row.number, *reason});
            continue;
        }
        const LabelFields &fields = std::get<LabelFields>(read);
        if (fields == LabelFields{})
            continue;
        const QStringList lines = cellFromFields(kind, fields);
        if (std::any_of(lines.begin(), lines.end(), [](const QString &line) {
                return line.size() > IniDocument::MaxValueLength;
            })) {
            result.skipped.append(
                {row.number, QStringLiteral("內容超過 %1 字").arg(IniDocument::MaxValueLength)});
            continue;
        }
        // Past the start page only empty cells are taken.
        while (cell > SheetPage::CellCount || (page != startPage && hasText(cells[cell - 1]))) {
            if (cell > SheetPage::CellCount) {
                cells = pages(++page);
                cell = 1;
            } else {
                ++cell;
            }
        }
        if (page == startPage && hasText(cells[cell - 1]))
            ++result.overwritten;
        result.placed.append({page, cell, lines, row.number});
        ++cell;
    }
    return result;
}

QString tabLine(int kind, const QStringList &cellLines)
{
    const LabelFields fields = fieldsFromCell(kind, cellLines);
    QStringList values;
    for (const DialogField &field : dialogFields(kind))
        values.append(fields.*field.member);
    return values.join(u'\t');
}

LabelFields followingSeat(const LabelFields &previous)
{
    LabelFields next;
    next.zone = previous.zone;
    next.row = previous.row;
    const int number = SeatText::fieldValue(previous.number);
    if (number < SeatText::MaxFieldValue)
        next.number = QString::number(number + 1);
    return next;
}

} // namespace LabelFill
