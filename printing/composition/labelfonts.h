#pragma once

#include <QString>

// The label font is stored as "標楷體", the Windows name of the Traditional
// Chinese regular-script face, so that files stay the same on every system.
namespace LabelFonts {

// Maps "標楷體", "DFKai-SB" and "BiauKai", where not installed, to the first
// installed Traditional Chinese Kai face. Call once at start-up, before any
// font is made. Without a Kai face nothing is mapped.
void installKaiSubstitution();

// "標楷體" where it is really installed, else the Kai face standing in for it
// (as a font chooser lists it), else "標楷體".
QString defaultFamily();

} // namespace LabelFonts
