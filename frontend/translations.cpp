#include "frontend/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

void installChinese()
{
    // Kept for the whole run: an installed translator must outlive its use.
    static QTranslator qt;
    static QTranslator own;
    if (qt.load(QStringLiteral("qtbase_zh_TW"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    if (own.load(QStringLiteral(":/translations/cenhe_zh_TW.qm")))
        QCoreApplication::installTranslator(&own);
}

} // namespace Translations
