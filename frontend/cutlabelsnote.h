#pragma once

#include "composition/sheetrun.h"

#include <QString>

// What the preview's status line says about labels that printing would
// cut: how many and on which sheets; empty when none is cut. Goes through
// the run a sheet at a time.
QString cutLabelsNote(const SheetRun &run);
