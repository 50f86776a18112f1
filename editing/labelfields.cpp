#include "editing/labelfields.h"

#include "editing/seattext.h"
#include "sheet/sheetpage.h"

#include <array>

using SheetPage::lineOf;

std::span<const DialogField> dialogFields(int kind)
{
    static const DialogField Name{&LabelFields::name, u"姓名"};
    static const std::array<DialogField, 1> names{Name};
    static const std::array<DialogField, 3> births{Name, DialogField{&LabelFields::birth, u"生辰"},
                                                   DialogField{&LabelFields::address, u"地址"}};
    static const std::array<DialogField, 4> seats{Name, DialogField{&LabelFields::zone, u"區"},
                                                  DialogField{&LabelFields::row, u"排"},
                                                  DialogField{&LabelFields::number, u"號"}};
    static const std::array<DialogField, 2> exams{Name,
                                                  DialogField{&LabelFields::exam, u"考試名稱"}};
    static const std::array<std::span<const DialogField>, 4> byKind{names, births, seats, exams};
    if (kind < 1 || kind > int(byKind.size()))
        return {};
    return byKind[size_t(kind - 1)];
}

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
        return {fields.name,
                SeatText::compose(fields.zone, SeatText::fieldValue(fields.row),
                                  SeatText::fieldValue(fields.number))};
    case 4:
        return {fields.name, fields.exam};
    default:
        return {};
    }
}
