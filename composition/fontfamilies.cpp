#include "composition/fontfamilies.h"

#include <QFont>
#include <QFontDatabase>

#include <algorithm>

namespace {

bool isListed(const QString &family)
{
    return !QFontDatabase::isPrivateFamily(family)
        && !QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
}

} // namespace

QStringList listedFamilies()
{
    QStringList families = QFontDatabase::families();
    families.removeIf([](const QString &family) { return !isListed(family); });
    std::sort(families.begin(), families.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return families;
}

FamilyMatch matchFamily(const QString &stored)
{
    if (stored.isEmpty())
        return {};
    const QStringList families = QFontDatabase::families();
    const auto listed = [&](const QString &name) {
        for (const QString &family : families) {
            if (family.compare(name, Qt::CaseInsensitive) == 0 && isListed(family))
                return family;
        }
        return QString();
    };
    if (const QString family = listed(stored); !family.isEmpty())
        return {family, family};
    for (const QString &substitute : QFont::substitutes(stored)) {
        if (const QString family = listed(substitute); !family.isEmpty())
            return {family, stored};
    }
    return {};
}
