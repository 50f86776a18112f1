#pragma once

#include "composition/composer.h"

// The sheet the command line's --test-sheet prints: the alignment sheet of
// the prepared template (label outlines, numbers, crosses and scales), the
// same one 對位測試頁 shows in the preview.
namespace PrintRun {

Composition testSheet(const LabelTemplate &prepared);

} // namespace PrintRun
