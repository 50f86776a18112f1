#pragma once

#include "composition/composedpage.h"

#include <QString>

// What the preview's status line says about labels that printing would
// cut: how many and on which sheets; empty when none is cut.
QString cutLabelsNote(const QList<ComposedPage> &pages);
