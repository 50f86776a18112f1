#pragma once

#include <QString>

class QWidget;

// The mark of a cell whose text would be cut when printed: a small red
// triangle in its top right corner and a tool tip that says so.
namespace CutMark {

inline QString toolTip()
{
    return QStringLiteral("文字超出標籤，列印時會被截斷");
}

void set(QWidget *cell, bool cut);
bool isShown(const QWidget *cell);

} // namespace CutMark
