#pragma once

#include <QString>
#include <QStringList>

// The label font is stored as "標楷體", the Windows name of the Traditional
// Chinese regular-script face, so that files stay the same on every system.
namespace LabelFonts {

// Maps each Windows face name to its other name where only that one is
// installed (WindowsFontNames), then "標楷體", "DFKai-SB" and "BiauKai",
// where still not installed, to the first installed Traditional Chinese
// Kai face. Call once at start-up, before any font is made. Without a Kai
// face no Kai name is mapped.
void installKaiSubstitution();

// Makes each of the Windows names resolve to `face`, where that name is not
// installed itself and `face` is.
void substituteWhereMissing(const QStringList &windowsNames, const QString &face);

} // namespace LabelFonts
