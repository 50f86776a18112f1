#include "mainwindow/pagenumber.h"

#include <QLocale>

namespace PageNumber {

namespace {
QLocale displayLocale()
{
    return QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
}
} // namespace

QString format(int page)
{
    const QString digits = displayLocale().toString(page < 0 ? -qint64(page) : qint64(page));
    return page < 0 ? QLatin1Char('(') + digits + QLatin1Char(')') : digits;
}

namespace {

// Compatibility folding turns full-width digits and commas typed with a
// Chinese input method into plain ones.
std::optional<int> parseWhole(const QString &text)
{
    QString digits = text.normalized(QString::NormalizationForm_KC).trimmed();
    digits.remove(displayLocale().groupSeparator());
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
        return std::nullopt;
    return number;
}

} // namespace

std::optional<int> parseTyped(const QString &text)
{
    const std::optional<int> page = parseWhole(text);
    if (!page || *page < 1)
        return std::nullopt;
    return page;
}

std::optional<int> parseCount(const QString &text)
{
    if (text.trimmed().isEmpty())
        return 0;
    return parseWhole(text);
}

} // namespace PageNumber
