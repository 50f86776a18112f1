#include "sheet/iniutil.h"

#include "sheet/inidocument.h"
#include "sheet/iniparse.h"

#include <QLocale>

#include <cmath>

namespace IniUtil {

QString IniReadString(const QString &path, const QString &section, const QString &key)
{
    return IniDocument::load(path).value(section, key);
}

double parseIniFloat(const QString &text, double fallback)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(IniParse::trimBlanks(text), &ok);
    return ok && std::isfinite(value) ? value : fallback;
}

double IniReadFloat(const QString &path, const QString &section, const QString &key)
{
    return parseIniFloat(IniReadString(path, section, key), -1.0);
}

FileResult IniWriteString(const QString &path, const QString &section, const QString &key,
                          const QString &value)
{
    IniDocument doc = IniDocument::load(path);
    doc.setValue(section, key, value);
    return doc.save();
}

} // namespace IniUtil
