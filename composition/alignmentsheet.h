#pragma once

#include "composition/composer.h"

#include <QColor>

// The alignment sheet: one sheet of a template's label grid at its margins,
// printed on plain paper and laid over a sheet of labels against the light.
// Every label shows as its outline with its record number and a cross at
// its centre; the first row's top edges and the first column's left edges
// carry millimetre scales whose zero lies on the edge, so the user reads how
// far the stickers lie from the print and what to add to each margin.
namespace AlignmentSheet {

constexpr double ScaleReachMm = 3; // each scale runs from -3 to +3 mm
constexpr double ScaleStepMm = 0.5;
constexpr double NumberPointSize = 10;

} // namespace AlignmentSheet

// The alignment sheet of `prepared` (its margins and paper set): the labels
// that fit on the first sheet, numbered in feed order, without text. Ends
// as NoRowFits when the margins leave no room for one row.
Composition composeAlignmentSheet(const LabelTemplate &prepared);

// The outline of every label box on `page`, to be drawn over it.
PageMarks labelOutlines(const ComposedPage &page, const QColor &colour);
