#include "composition/wincolor.h"

namespace WinColor {

std::optional<QColor> toColor(int value)
{
    const auto bits = static_cast<quint32>(value);
    if (bits >> 24 != 0)
        return std::nullopt;
    return inkColor(value);
}

QColor inkColor(int value)
{
    if (value == None)
        return Qt::black;
    const auto bits = static_cast<quint32>(value);
    return QColor(bits & 0xff, (bits >> 8) & 0xff, (bits >> 16) & 0xff);
}

int fromColor(const QColor &color)
{
    return color.red() | color.green() << 8 | color.blue() << 16;
}

} // namespace WinColor
