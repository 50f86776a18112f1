#pragma once

#include <QString>
#include <QStringList>

// The font families a user may choose for a label field, and how a stored
// family name maps onto them: one rule for the font chooser and for the
// styles a print run reads from sys.ini.

// Installed families that are neither private nor symbol fonts, sorted
// without regard to case.
QStringList listedFamilies();

struct FamilyMatch {
    QString listed; // the listed family that shows the name; empty for none
    QString used; // the name to print with and to store back
};

// The listed family of that name (any case), or else one that substitutes
// for it, in which case the stored name itself stays in use.
FamilyMatch matchFamily(const QString &stored);
