#include "sheet/labelfields.h"

#include "sheet/seattext.h"
#include "sheet/sheetpage.h"

#include <array>

using SheetPage::lineOf;

namespace {

// How a kind's dialog fields sit on the cell's lines.
enum class CellLines {
    OnePerField, // field n is line n
    OnePerGivenField, // as above when opening; an empty field after the name writes no line
    NameAndSeat, // the name, then zone, row and number as one seat line
};

struct KindFields {
    std::span<const DialogField> fields;
    CellLines lines;
};

const KindFields *kindFields(int kind)
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
    static const std::array<KindFields, 4> byKind{{{names, CellLines::OnePerField},
                                                   {births, CellLines::OnePerGivenField},
                                                   {seats, CellLines::NameAndSeat},
                                                   {exams, CellLines::OnePerField}}};
    if (kind < 1 || kind > int(byKind.size()))
        return nullptr;
    return &byKind[size_t(kind - 1)];
}

} // namespace

std::span<const DialogField> dialogFields(int kind)
{
    const KindFields *kindTable = kindFields(kind);
    return kindTable ? kindTable->fields : std::span<const DialogField>();
}

LabelFields fieldsFromCell(int kind, const QStringList &lines)
{
    LabelFields fields;
    const KindFields *kindTable = kindFields(kind);
    if (!kindTable)
        return fields;
    if (kindTable->lines == CellLines::NameAndSeat) {
        fields.name = lineOf(lines, 0);
        const SeatText::Parts seat = SeatText::parse(lineOf(lines, 1));
        fields.zone = seat.zone;
        fields.row = seat.row;
        fields.number = seat.number;
        return fields;
    }
    for (size_t line = 0; line < kindTable->fields.size(); ++line)
        fields.*(kindTable->fields[line].member) = lineOf(lines, int(line));
    return fields;
}

QStringList cellFromFields(int kind, const LabelFields &fields)
{
    const KindFields *kindTable = kindFields(kind);
    if (!kindTable)
        return {};
    if (kindTable->lines == CellLines::NameAndSeat)
        return {fields.name,
                SeatText::compose(fields.zone, SeatText::fieldValue(fields.row),
                                  SeatText::fieldValue(fields.number))};
    QStringList lines{fields.name};
    for (const DialogField &field : kindTable->fields.subspan(1)) {
        const QString &value = fields.*(field.member);
        if (kindTable->lines == CellLines::OnePerField || !value.isEmpty())
            lines.append(value);
    }
    return lines;
}
