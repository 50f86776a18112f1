#include "uifonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

const QString MingFace = QStringLiteral("AR PL UMing TW");

void substituteWhereMissing(const QStringList &windowsNames, const QString &face)
{
    if (!QFontDatabase::hasFamily(face))
        return;
    for (const QString &name : windowsNames) {
        if (!QFontDatabase::hasFamily(name))
            QFont::insertSubstitution(name, face);
    }
}

} // namespace

void installUiFonts()
{
    substituteWhereMissing({QStringLiteral("新細明體"), QStringLiteral("PMingLiU"), QStringLiteral("細明體"),
                            QStringLiteral("MingLiU")},
                           MingFace);
    if (!QFontDatabase::hasFamily(MingFace))
        return;
    QFont font = QApplication::font();
    font.setFamilies({font.family(), MingFace});
    QApplication::setFont(font);
}
