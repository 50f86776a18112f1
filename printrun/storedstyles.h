#pragma once

#include "printrun/printrun.h"

class IniDocument;

// The text styles of a kind as the main window's style panels hold them
// after loading sys.ini, for a print run made without the window.
namespace PrintRun {

struct KindStyles {
    BoxStyle name;
    BoxStyle third;
    BoxStyle address;
};

// Each panel of `kind` from its style section: a missing section gives the
// panel's first values (標楷體, no colour, 20 pt); a family that is not
// installed and has no installed substitute gives no family, as the font
// chooser shows it; sizes are held to 0..100; the first malformed number
// leaves that value and the ones after it as they were.
KindStyles storedStyles(const IniDocument &settings, int kind);

} // namespace PrintRun
