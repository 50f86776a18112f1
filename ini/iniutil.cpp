#include "ini/iniutil.h"

#include "ini/inidocument.h"
#include "ini/iniparse.h"

#include <QLocale>

#include <cmath>

namespace IniUtil {

QString readString(const QString &path, const QString &section, const QString &key)
{
    return IniDocument::load(path).value(section, key);
}

double parseIniFloat(const QString &text, double fallback)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(IniParse::trimBlanks(text), &ok);
    return ok && std::isfinite(value) ? value : fallback;
}

double readFloat(const QString &path, const QString &section, const QString &key)
{
    return parseIniFloat(readString(path, section, key), -1.0);
}

FileResult writeString(const QString &path, const QString &section, const QString &key,
                       const QString &value)
{
    IniDocument doc = IniDocument::load(path);
    doc.setValue(section, key, value);
    return doc.save();
}

} // namespace IniUtil
