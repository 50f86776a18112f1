#pragma once

#include <QSize>

class QWidget;

// Where a top-level window starts: centred on its screen and, frame
// included, never larger than the screen's available area.
namespace WindowPlacement {

// `preferred` is its inner size on a screen large enough. Before the window
// is shown the frame is estimated from the style; call again once it is
// shown to place it by its real frame.
void fitAndCentre(QWidget *window, const QSize &preferred);

} // namespace WindowPlacement
