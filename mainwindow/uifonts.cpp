#include "mainwindow/uifonts.h"

#include "composition/labelfonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

const QString MingFace = QStringLiteral("AR PL UMing TW");

} // namespace

void installUiFonts()
{
    LabelFonts::installKaiSubstitution();
    LabelFonts::substituteWhereMissing({QStringLiteral("新細明體"), QStringLiteral("PMingLiU"),
                                        QStringLiteral("細明體"), QStringLiteral("MingLiU")},
                                       MingFace);
    if (!QFontDatabase::hasFamily(MingFace))
        return;
    QFont font = QApplication::font();
    font.setFamilies({font.family(), MingFace});
    QApplication::setFont(font);
}
