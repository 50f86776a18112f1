#pragma once

#include <QString>

// Font of one text box: what the style panels choose.
struct TextStyle {
    QString family;
    int pointSize = 0; // whole points
    int color = 0; // Windows-style: red in the low byte; 536870911 is no colour
};
