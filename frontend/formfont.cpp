#include "frontend/formfont.h"

#include <QStringList>

QFont formFont(const QString &family, int pixels, const QFont &base)
{
    QFont font = base;
    font.setFamilies({family, base.family()});
    font.setPixelSize(pixels);
    return font;
}
