#include "ini/iniparse.h"

namespace IniParse {

namespace {
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r';
}
} // namespace

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString foldName(QStringView name)
{
    return trimBlanks(name).toString().toCaseFolded();
}

std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView trimmed = trimBlanks(line);
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    QStringView inside = trimmed.mid(1);
    const qsizetype close = inside.indexOf(u']');
    if (close >= 0)
        inside = inside.left(close);
    return trimBlanks(inside);
}

std::optional<Entry> entry(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return Entry{trimBlanks(line.left(equals)), trimBlanks(line.mid(equals + 1))};
}

QString readValue(QStringView rawValue, qsizetype maxLength)
{
    QStringView value = rawValue;
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    if (value.size() > maxLength) {
        qsizetype cut = maxLength;
        if (value[cut - 1].isHighSurrogate() && value[cut].isLowSurrogate())
            --cut;
        value = value.left(cut);
    }
    return value.toString();
}

QString storedValue(const QString &value)
{
    if (value.isEmpty())
        return value;
    const bool blankEnds = isBlank(value.front()) || isBlank(value.back());
    const bool quotedPair = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front();
    if (!blankEnds && !quotedPair)
        return value;
    return QLatin1Char('"') + value + QLatin1Char('"');
}

} // namespace IniParse
