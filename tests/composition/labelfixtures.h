#pragma once

#include "composition/composedpage.h"
#include "composition/labeltemplate.h"

#include <QList>
#include <QStringList>

// Shared by the composition tests and benchmarks.
namespace LabelFixtures {

// The template of `kind` as the print run leaves it: the given margins and
// every box in the stored family at `pointSize`, black.
LabelTemplate prepared(int kind, double topMm = 2, double leftMm = 5, int pointSize = 20);

// Kind 2 as an operator sets it up for a sheet: the name at 20 pt, birth
// and address at 8 pt so that they fit their low boxes.
LabelTemplate kind2Sheet();

// `count` records of kind 2: a real Traditional Chinese name, a birth line
// and an address.
QList<QStringList> kind2Records(int count = 70);

} // namespace LabelFixtures
