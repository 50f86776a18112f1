#pragma once

#include "composition/composer.h"

// The sheet the command line's --test-sheet prints: the prepared template's
// labels, each showing its record number, for checking on plain paper where
// the printer puts them.
namespace PrintRun {

Composition testSheet(const LabelTemplate &prepared);

} // namespace PrintRun
