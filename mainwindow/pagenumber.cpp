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

std::optional<int> parseTyped(const QString &text)
{
    // Compatibility folding turns full-width digits typed with a Chinese
    // input method into plain ones.
    QString digits = text.normalized(QString::NormalizationForm_KC).trimmed();
    digits.remove(displayLocale().groupSeparator());
    bool ok = false;
    const int page = digits.toInt(&ok);
    if (!ok || page < 1 || digits.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return page;
}

} // namespace PageNumber
