#include "editing/labelfields.h"

#include "editing/seattext.h"
#include "sheet/sheetpage.h"

using SheetPage::lineOf;

LabelFields fieldsFromCell(int kind, const QStringList &lines)
{
    LabelFields fields;
    switch (kind) {
    case 1:
        fields.name = lineOf(lines, 0);
        break;
    case 2:
        fields.name = lineOf(lines, 0);
        fields.birth = lineOf(lines, 1);
        fields.address = lineOf(lines, 2);
        break;
    case 3: {
        fields.name = lineOf(lines, 0);
        const SeatText::Parts seat = SeatText::parse(lineOf(lines, 1));
        fields.zone = seat.zone;
        fields.row = seat.row;
        fields.number = seat.number;
        break;
    }
    case 4:
        fields.name = lineOf(lines, 0);
        fields.exam = lineOf(lines, 1);
        break;
    default:
        break;
    }
    return fields;
}

QStringList cellFromFields(int kind, const LabelFields &fields)
{
    switch (kind) {
    case 1:
        return {fields.name};
    case 2: {
        QStringList lines{fields.name};
        for (const QString &line : {fields.birth, fields.address}) {
            if (!line.isEmpty())
                lines.append(line);
        }
        return lines;
    }
    case 3:
        return {fields.name, SeatText::compose(fields.zone, SeatText::fieldValue(fields.row),
                                               SeatText::fieldValue(fields.number))};
    case 4:
        return {fields.name, fields.exam};
    default:
        return {};
    }
}
