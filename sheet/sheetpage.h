#pragma once

#include "files/filefailure.h"

#include <QString>
#include <QStringList>

#include <array>

// One sheet page: 70 cells, 5 across and 14 down, each an ordered list of
// text lines. Four lines a cell are stored; a missing line reads as empty.
namespace SheetPage {

constexpr int CellCount = 70;
constexpr int Columns = 5;
constexpr int Rows = 14;
constexpr int StoredLines = 4;

using Cells = std::array<QStringList, CellCount>; // index 0 is cell 1

constexpr int cellRow(int cell)
{
    return (cell - 1) / Columns;
}
constexpr int cellColumn(int cell)
{
    return (cell - 1) % Columns;
}

// Line `index` of a cell, empty when the cell has no such line.
QString lineOf(const QStringList &cell, int index);

// Whether two cells store the same four lines (a missing line is empty).
bool sameStoredLines(const QStringList &one, const QStringList &other);

// stem + page number + ".ini", e.g. 地址12.ini; a negative page keeps its sign.
QString pageFileName(const QString &stem, int page);

// Every cell gets exactly four lines; a missing file, section or key gives
// empty lines and creates nothing. A file that exists but cannot be read
// gives empty cells and says why in `unreadable`; saving over it then fails.
struct PageRead {
    Cells cells;
    FileResult unreadable;
};
PageRead readPageReporting(const QString &path);
inline Cells readPage(const QString &path)
{
    return readPageReporting(path).cells;
}

// Writes 70 x 4 values in one save; a page saved as it was read is written
// as it was, gaining no lines. A cell's lines past the fourth are not
// stored. On failure the file is left as it was; a cell whose text a page
// file cannot hold is named in the reason ("第 12 格"). When the file was
// damaged and this save kept a copy of it, `damagedCopy` gets the copy's path.
[[nodiscard]] FileResult writePage(const QString &path, const Cells &cells,
                                   QString *damagedCopy = nullptr);

} // namespace SheetPage
