#include "frontend/colorpalette.h"

#include "composition/wincolor.h"

#include <QColor>

namespace ColorPalette {

namespace {

Entry entry(QRgb rgb, const char *name)
{
    return {WinColor::fromColor(QColor(rgb)), QString::fromUtf8(name)};
}

} // namespace

const QList<Entry> &entries()
{
    // The standard colours of the Windows colour box, which the settings
    // files written there hold, by rows: dark, muted, bright, light.
    static const QList<Entry> list{
        entry(0x000000, "黑色"),   entry(0x800000, "栗色"),   entry(0x008000, "綠色"),
        entry(0x808000, "橄欖色"), entry(0x000080, "深藍色"), entry(0x800080, "紫色"),
        entry(0x008080, "藍綠色"), entry(0x808080, "灰色"),   entry(0xa0a0a4, "中灰色"),
        entry(0xc0c0c0, "銀色"),   entry(0xff0000, "紅色"),   entry(0x00ff00, "萊姆綠"),
        entry(0xffff00, "黃色"),   entry(0x0000ff, "藍色"),   entry(0xff00ff, "洋紅色"),
        entry(0x00ffff, "水藍色"), entry(0xc0dcc0, "淺綠色"), entry(0xa6caf0, "天藍色"),
        entry(0xfffbf0, "米白色"), entry(0xffffff, "白色"),
    };
    return list;
}

QString nameOf(int value)
{
    for (const Entry &e : entries()) {
        if (e.value == value)
            return e.name;
    }
    return {};
}

} // namespace ColorPalette
