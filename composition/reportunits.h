#pragma once

#include <cmath>

// Report units are 1/96 inch. Every length of a label layout is held in them;
// paper and margins are millimetres. This is the one place that converts.
namespace ReportUnits {

// The factor the stored layouts were entered with; 96/25.4 would move the
// last label column by a tenth of a millimetre.
constexpr double PerMillimetre = 3.77953;
constexpr double PerInch = 96.0;
constexpr double PerPoint = PerInch / 72.0;

constexpr double fromMm(double mm)
{
    return mm * PerMillimetre;
}
constexpr double toMm(double units)
{
    return units / PerMillimetre;
}

// Nearest whole number, a half going to the even neighbour.
inline double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

// Device dots for one unit on a device of `dotsPerInch`.
constexpr double dotsPerUnit(double dotsPerInch)
{
    return dotsPerInch / PerInch;
}

inline int toDots(double units, double dotsPerUnit)
{
    return int(roundHalfEven(units * dotsPerUnit));
}

} // namespace ReportUnits
