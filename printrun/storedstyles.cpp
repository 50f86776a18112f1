#include "printrun/storedstyles.h"

#include "composition/fontfamilies.h"
#include "composition/wincolor.h"
#include "sheet/sysini.h"

#include <algorithm>

namespace PrintRun {

namespace {

constexpr int InitialSize = 20;
constexpr int LargestSize = 100;

BoxStyle &styleOf(KindStyles &styles, StylePanel panel)
{
    switch (panel) {
    case StylePanel::Name:
        return styles.name;
    case StylePanel::ThirdField:
        return styles.third;
    case StylePanel::Address:
        break;
    }
    return styles.address;
}

void applyStored(BoxStyle &style, const SysIni::StoredStyle &stored)
{
    style.family = matchFamily(stored.font).used;
    const std::optional<int> color = SysIni::strictInt(stored.color);
    if (!color)
        return;
    style.color = *color;
    if (const std::optional<int> size = SysIni::strictInt(stored.size))
        style.size = std::clamp(*size, 0, LargestSize);
}

} // namespace

KindStyles storedStyles(const IniDocument &settings, int kind)
{
    const BoxStyle initial{matchFamily(QStringLiteral("標楷體")).used, double(InitialSize),
                           WinColor::None};
    KindStyles styles{initial, initial, initial};
    if (const LabelKindInfo *info = labelKind(kind)) {
        for (const StyleSection &section : info->sections()) {
            const SysIni::StoredStyle stored = SysIni::readStyle(settings, section);
            if (stored.present)
                applyStored(styleOf(styles, section.panel), stored);
        }
    }
    return styles;
}

} // namespace PrintRun
