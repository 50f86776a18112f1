#pragma once

#include "composition/composedpage.h"

// Grows the boxes of one label that follow their text (smActualHeight) to
// the height of their lines, never below their stored height, and moves down
// by the growth the boxes that lie wholly below a grown box. `boxes` are the
// label's boxes in the order of `templates`.
void stretchToText(QList<ComposedTextBox> &boxes, const QList<TextBoxTemplate> &templates);
