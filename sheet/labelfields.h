#pragma once

#include <QString>
#include <QStringList>

#include <span>

// The editing dialog's fields as plain data, and how they map to and from a
// cell's lines for each label kind.
struct LabelFields {
    QString name;
    QString birth; // kind 2
    QString address; // kind 2
    QString zone; // kind 3
    QString row; // kind 3, as typed
    QString number; // kind 3, as typed
    QString exam; // kind 4

    bool operator==(const LabelFields &) const = default;
};

// One field of the editing dialog: where it is kept and the caption beside it.
struct DialogField {
    QString LabelFields::*member;
    const char16_t *caption;

    QString captionText() const { return QString::fromUtf16(caption); }
};

// The dialog's fields of a kind, top to bottom: the order of a copied line,
// of pasted and imported columns and of the dialog's edits. Empty outside 1..4.
std::span<const DialogField> dialogFields(int kind);

// The fields a cell opens as. A kind outside 1..4 fills nothing.
LabelFields fieldsFromCell(int kind, const QStringList &lines);

// The lines a confirmed dialog writes: kind 1 the name; kind 2 the name,
// then birth and address only where given (so an address without birth
// data becomes line 1); kind 3 the name and the seat line; kind 4 the name
// and the exam name. A kind outside 1..4 writes no line.
QStringList cellFromFields(int kind, const LabelFields &fields);
