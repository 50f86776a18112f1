#pragma once

#include "sheet/labelfields.h"
#include "sheet/sheetpage.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

// Rows of field values (from a paste or a list file) placed into cells:
// which cells of which pages get which lines, and which rows were left out
// and why. No widgets, so the paste and the list import share it.
namespace LabelFill {

// One source row: its number as the user counts it (line of the paste,
// row of the file) and its values in the editing dialog's field order.
struct Row {
    int number = 0;
    QStringList values;
};

struct Placed {
    int page = 0;
    int cell = 0;
    QStringList lines;
    int row = 0; // the source row's number
};

struct Skipped {
    int row = 0;
    QString reason;
};

struct Plan {
    QList<Placed> placed; // in page and cell order
    QList<Skipped> skipped;
    int overwritten = 0; // cells of the start page that held text
    int firstPage() const { return placed.isEmpty() ? 0 : placed.first().page; }
    int lastPage() const { return placed.isEmpty() ? 0 : placed.last().page; }
    QList<Placed> onPage(int page) const;
    // The placements page by page, in order.
    QList<QList<Placed>> byPage() const;
};

// `cells` with the placements' lines in their places.
SheetPage::Cells placeInto(SheetPage::Cells cells, const QList<Placed> &placed);

// The cells of a page as they stand now (the shown page from the screen).
using PageSource = std::function<SheetPage::Cells(int page)>;

// Rows go into consecutive cells of the start page from `startCell` on,
// then into the empty cells of the following pages. Rows with no value are
// passed over; rows with a value that cannot be stored are reported.
Plan plan(int kind, const QList<Row> &rows, int startPage, int startCell, const PageSource &pages);

// The fields a row gives in `kind`: kind 1 name; kind 2 name, birth,
// address; kind 3 name and either the seat text or zone, row, number;
// kind 4 name, exam. Values are cleaned first; the error is the reason.
std::variant<LabelFields, QString> fieldsFromValues(int kind, QStringList values);

// Line breaks and tabs become spaces, blanks at both ends go.
QString cleanValue(const QString &value);

// A cell as one tab-separated line of its fields in the dialog's order.
QString tabLine(int kind, const QStringList &cellLines);

// A kind 3 cell after `previous`: the same zone and row, the next number
// (none past the highest).
LabelFields followingSeat(const LabelFields &previous);

} // namespace LabelFill
