#pragma once

#include "printrun/printrun.h"

class QWidget;

// The alignment sheet of label kind `kind` at `margins` in a modal preview,
// from which it is printed on plain paper or exported. Tells the user when
// the margins leave no room for a row.
void showAlignmentPreview(QWidget *parent, int kind, const PrintRun::Margins &margins);
