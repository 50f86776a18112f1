#pragma once

// Makes the Windows font names the program's forms use resolve to installed
// Traditional Chinese faces, and gives the user interface a Traditional
// Chinese face for Han characters, so that no glyph falls back to a
// simplified-Chinese shape. Call once, before any window is created.
void installUiFonts();
