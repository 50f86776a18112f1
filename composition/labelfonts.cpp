#include "composition/labelfonts.h"

#include "composition/windowsfontnames.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace LabelFonts {

namespace {

const QString StoredFamily = QStringLiteral("標楷體");

QString installedKaiFace()
{
    static const QStringList Candidates{QStringLiteral("AR PL UKai TW"),
                                        QStringLiteral("AR PL UKai TW MBE"),
                                        QStringLiteral("AR PL UKai HK")};
    for (const QString &family : Candidates) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    return {};
}

} // namespace

void substituteWhereMissing(const QStringList &windowsNames, const QString &face)
{
    if (face.isEmpty() || !QFontDatabase::hasFamily(face))
        return;
    for (const QString &name : windowsNames) {
        if (!QFontDatabase::hasFamily(name))
            QFont::insertSubstitution(name, face);
    }
}

void installKaiSubstitution()
{
    // A face Windows has under its other name comes first.
    WindowsFontNames::install();
    substituteWhereMissing({StoredFamily, QStringLiteral("DFKai-SB"), QStringLiteral("BiauKai")},
                           installedKaiFace());
}

} // namespace LabelFonts
