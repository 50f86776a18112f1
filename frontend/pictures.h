#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn in code so that every size stays sharp
// and nothing is copied from elsewhere.
namespace Pictures {

// 390 x 188, the splash window's picture.
QPixmap splash();

// The application icon at the usual sizes.
QIcon applicationIcon();
// One size of it, for installing icon files.
QPixmap applicationIconPixmap(int size);

// 32 x 32, the support window's picture.
QPixmap supportIcon();

enum class Glyph { Support, Save, Print, Exit, Confirm, Cancel, Find, Import };
QIcon glyph(Glyph glyph);

} // namespace Pictures
