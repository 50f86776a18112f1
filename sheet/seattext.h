#pragma once

#include <QString>

// The seat line of a kind 3 label: zone + "區" + row + "排" + number + "號",
// with parts left out by fixed rules, and its parsing when a cell is opened.
namespace SeatText {

// Row and number are whole numbers; 0 means "not given" where a zone is
// given, and is written out as 0 where it is not.
QString compose(const QString &zone, int row, int number);

// The three field texts a seat line reopens as. Each separator in turn takes
// the text before it; what follows it (at most 50 characters) is searched for
// the next one. A missing separator leaves its field empty.
struct Parts {
    QString zone;
    QString row;
    QString number;
};
Parts parse(const QString &seat);

// The whole number a row or number field holds: empty or non-numeric text is
// 0, and a value outside 0..100 is brought to the nearer bound.
int fieldValue(const QString &text);

constexpr int MaxFieldValue = 100;

} // namespace SeatText
