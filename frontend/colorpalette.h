#pragma once

#include <QList>
#include <QString>

// The fixed set of plain colours the colour chooser offers, in the order of
// its grid, with their Chinese names.
namespace ColorPalette {

struct Entry {
    int value; // WinColor encoding
    QString name;
};

inline constexpr int Columns = 5;

const QList<Entry> &entries();
// The palette name of a value, or the empty text when it is not offered.
QString nameOf(int value);

} // namespace ColorPalette
