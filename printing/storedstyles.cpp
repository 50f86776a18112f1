#include "printing/storedstyles.h"

#include "composition/wincolor.h"
#include "sheet/sysini.h"

#include <QFont>
#include <QFontDatabase>

namespace PrintRun {

namespace {

constexpr int InitialSize = 20;
constexpr int LargestSize = 100;

bool isListed(const QString &family)
{
    return !QFontDatabase::isPrivateFamily(family)
        && !QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
}

// The family the font chooser shows for a stored name.
QString chosenFamily(const QString &stored)
{
    if (stored.isEmpty())
        return QString();
    const QStringList families = QFontDatabase::families();
    const auto listed = [&](const QString &name) {
        for (const QString &family : families) {
            if (family.compare(name, Qt::CaseInsensitive) == 0 && isListed(family))
                return family;
        }
        return QString();
    };
    if (const QString family = listed(stored); !family.isEmpty())
        return family;
    for (const QString &substitute : QFont::substitutes(stored)) {
        if (!listed(substitute).isEmpty())
            return stored;
    }
    return QString();
}

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
    style.family = chosenFamily(stored.font);
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
    const BoxStyle initial{chosenFamily(QStringLiteral("標楷體")), double(InitialSize),
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
