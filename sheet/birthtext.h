#pragma once

#include <QString>

// Birth data typed as digits, written out the way temples write it:
// "60/3/5 8" becomes "民國六十年三月五日辰時", "農60/3/5" becomes
// "民國六十年農曆三月初五". Text that is not one of the digit forms is free
// text and stays exactly as typed.
//
// Digit forms: year, month and day separated by "/", ".", "-" or blanks, or
// run together as YYMMDD / YYYMMDD; a year of 1 to 3 digits is a 民國 year,
// one of 4 digits a western year from 1912. A leading "農" or "農曆" gives the
// lunar form. An optional hour at the end: 0..23, minutes allowed (8, 8:30),
// for its 時辰; a 時辰 character (辰 or 辰時); or "?" for 吉時. Full-width
// digits and marks count as well.
//
// The list import uses convert() too: store Conversion::text.
namespace BirthText {

struct Conversion {
    enum class Outcome {
        FreeText, // not a digit form: kept as typed
        Written, // a real date, written out
        Impossible, // a digit form naming a date that cannot be: kept as typed
    };
    Outcome outcome = Outcome::FreeText;
    QString text; // what to store: the written form, or the typed text
    QString reason; // why an impossible date was not written out
    int westernYear = 0; // the year of birth when written out, else 0

    bool written() const { return outcome == Outcome::Written; }
};

Conversion convert(const QString &typed);

// The 生肖 of a western year (1971 is 豬), counted by year alone.
QString zodiac(int westernYear);

} // namespace BirthText
