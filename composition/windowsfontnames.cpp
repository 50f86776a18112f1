#include "composition/windowsfontnames.h"

#include <QFont>
#include <QFontDatabase>

#include <array>
#include <utility>

namespace WindowsFontNames {

namespace {

// Chinese name, English name.
constexpr std::array<std::pair<const char16_t *, const char16_t *>, 8> Names{{
    {u"標楷體", u"DFKai-SB"},
    {u"新細明體", u"PMingLiU"},
    {u"細明體", u"MingLiU"},
    {u"新細明體-ExtB", u"PMingLiU-ExtB"},
    {u"細明體-ExtB", u"MingLiU-ExtB"},
    {u"細明體_HKSCS", u"MingLiU_HKSCS"},
    {u"微軟正黑體", u"Microsoft JhengHei"},
    {u"微軟正黑體 Light", u"Microsoft JhengHei Light"},
}};

} // namespace

QList<Substitution> substitutions(const std::function<bool(const QString &)> &isInstalled)
{
    QList<Substitution> found;
    for (const auto &[chinese, english] : Names) {
        const QString one = QString::fromUtf16(chinese);
        const QString other = QString::fromUtf16(english);
        const bool hasOne = isInstalled(one);
        const bool hasOther = isInstalled(other);
        if (hasOne && !hasOther)
            found.append({other, one});
        else if (hasOther && !hasOne)
            found.append({one, other});
    }
    return found;
}

void install()
{
    for (const Substitution &substitution :
         substitutions([](const QString &family) { return QFontDatabase::hasFamily(family); }))
        QFont::insertSubstitution(substitution.missing, substitution.installed);
}

} // namespace WindowsFontNames
