#include "labelfonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace LabelFonts {

namespace {

const QString StoredFamily = QStringLiteral("標楷體");

QString installedKaiFace()
{
    static const QStringList Candidates{QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL UKai TW MBE"),
                                        QStringLiteral("AR PL UKai HK")};
    for (const QString &family : Candidates) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    return {};
}

} // namespace

void installKaiSubstitution()
{
    const QString kai = installedKaiFace();
    if (kai.isEmpty())
        return;
    for (const QString &name : {StoredFamily, QStringLiteral("DFKai-SB"), QStringLiteral("BiauKai")}) {
        if (!QFontDatabase::hasFamily(name))
            QFont::insertSubstitution(name, kai);
    }
}

QString defaultFamily()
{
    if (QFontDatabase::hasFamily(StoredFamily))
        return StoredFamily;
    const QString kai = installedKaiFace();
    return kai.isEmpty() ? StoredFamily : kai;
}

} // namespace LabelFonts
