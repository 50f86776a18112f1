#pragma once

#include <QPixmap>

// The picture of kind 1..4 for its thumbnail: one sample label drawn by the
// page drawing from the kind's real template, so it always looks like what
// prints.
namespace KindThumbnails {

constexpr int Width = 139;
constexpr int Height = 65;

QPixmap picture(int kind);

} // namespace KindThumbnails
