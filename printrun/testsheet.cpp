#include "printrun/testsheet.h"

#include "composition/alignmentsheet.h"

namespace PrintRun {

Composition testSheet(const LabelTemplate &prepared)
{
    return composeAlignmentSheet(prepared);
}

} // namespace PrintRun
