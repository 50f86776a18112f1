#pragma once

#include "composition/composedpage.h"

#include <QPoint>

class QPainter;

// Draws a composed page onto the painter's device at the device's own
// resolution, with the painter's origin at the paper's top left corner and
// no transformation: labels land at their true distances from the corner.
// `unprintableOffset`, in device dots, is where a printer's own origin lies
// from the paper corner. Only glyphs are drawn, each box's clipped to its
// text area; no frames or fills. The page's marks, if any, go over them.
void drawComposedPage(QPainter &painter, const ComposedPage &page, QPoint unprintableOffset = {});
