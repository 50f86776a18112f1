#include "sheet/birthtext.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringBuilder>

#include <optional>

namespace BirthText {

namespace {

// Every word of the written form, in one place.
namespace Words {
constexpr QStringView Digits = u"〇一二三四五六七八九";
constexpr char16_t Ten = u'十';
constexpr char16_t Hundred = u'百';
constexpr char16_t Thousand = u'千';
constexpr char16_t Zero = u'零';
constexpr QStringView Era = u"民國";
constexpr QStringView FirstYear = u"元"; // 民國元年, never 民國一年
constexpr QStringView Year = u"年";
constexpr QStringView Month = u"月";
constexpr QStringView Day = u"日";
constexpr QStringView Lunar = u"農曆";
constexpr QStringView LunarFirstMonth = u"正"; // 正月
constexpr QStringView LunarEarlyDay = u"初"; // 初一 .. 初十
constexpr QStringView LunarTwenties = u"廿"; // 廿一 .. 廿九
constexpr QStringView Branches = u"子丑寅卯辰巳午未申酉戌亥";
constexpr QStringView Hour = u"時";
constexpr QStringView UnknownHour = u"吉時";
constexpr QStringView Zodiac = u"鼠牛虎兔龍蛇馬羊猴雞狗豬";
} // namespace Words

constexpr int FirstWesternYear = 1912; // 民國元年
constexpr int LunarMonthDays = 30;

// 1..9999 in the usual numerals: 十, 十一, 六十, 一百零五, 一百一十, 一千零一十.
QString numeral(int n)
{
    struct Place {
        int unit;
        char16_t word;
    };
    static constexpr Place places[] = {
        {1000, Words::Thousand}, {100, Words::Hundred}, {10, Words::Ten}};
    QString out;
    bool gap = false;
    for (const Place &place : places) {
        const int digit = n / place.unit % 10;
        if (digit == 0) {
            gap = !out.isEmpty();
            continue;
        }
        if (gap)
            out += Words::Zero;
        gap = false;
        const bool bareTen = place.unit == 10 && digit == 1 && out.isEmpty();
        if (!bareTen)
            out += Words::Digits[digit];
        out += place.word;
    }
    if (const int units = n % 10) {
        if (gap)
            out += Words::Zero;
        out += Words::Digits[units];
    }
    return out;
}

QString yearWords(int minguoYear)
{
    return Words::Era % (minguoYear == 1 ? Words::FirstYear.toString() : numeral(minguoYear))
        % Words::Year;
}

QString lunarMonthWords(int month)
{
    return (month == 1 ? Words::LunarFirstMonth.toString() : numeral(month)) % Words::Month;
}

QString lunarDayWords(int day)
{
    if (day <= 10)
        return Words::LunarEarlyDay % numeral(day);
    if (day > 20 && day < 30)
        return Words::LunarTwenties % Words::Digits[day % 10];
    return numeral(day);
}

// The hour part as typed: nothing, a clock hour, a branch or unknown.
struct Hour {
    enum class Kind { None, Clock, Branch, Unknown };
    Kind kind = Kind::None;
    int value = 0; // the clock hour, or the branch index
};

QString hourWords(const Hour &hour)
{
    switch (hour.kind) {
    case Hour::Kind::Clock:
        // 23 and 0 are 子, then two hours to each branch: 1-2 丑 .. 21-22 亥.
        return Words::Branches[(hour.value + 1) / 2 % 12] % Words::Hour;
    case Hour::Kind::Branch:
        return Words::Branches[hour.value] % Words::Hour;
    case Hour::Kind::Unknown:
        return Words::UnknownHour.toString();
    case Hour::Kind::None:
        break;
    }
    return {};
}

struct Typed {
    bool lunar = false;
    QString year; // as typed: its length tells 民國 from western
    int month = 0;
    int day = 0;
    Hour hour;
};

const QRegularExpression &digitForm()
{
    const QString separator = QStringLiteral("(?:\\s*[/.\\-]\\s*|\\s+)");
    static const QRegularExpression form(
        QStringLiteral(
            "^(?<lunar>%1|%2)?\\s*"
            "(?:(?<y>[0-9]{1,4})%3(?<m>[0-9]{1,2})%3(?<d>[0-9]{1,2})|(?<run>[0-9]{6,7}))"
            "(?:\\s+(?<clock>[0-9]{1,2})(?::[0-5][0-9])?|\\s*(?<branch>[%4])%5?|\\s*(?<unknown>\\?|%6))?$")
            .arg(Words::Lunar, Words::Lunar.left(1), separator, Words::Branches, Words::Hour,
                 Words::UnknownHour));
    return form;
}

// The parts of a digit form, or nothing when the text is free text.
std::optional<Typed> parse(const QString &typed)
{
    // Full-width digits, marks and blanks from a Chinese input method count too.
    const QRegularExpressionMatch match =
        digitForm().match(typed.normalized(QString::NormalizationForm_KC).trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    Typed parts;
    parts.lunar = match.hasCaptured(u"lunar");
    if (match.hasCaptured(u"run")) {
        const QString run = match.captured(u"run");
        parts.year = run.left(run.size() - 4);
        parts.month = run.mid(run.size() - 4, 2).toInt();
        parts.day = run.right(2).toInt();
    } else {
        parts.year = match.captured(u"y");
        parts.month = match.captured(u"m").toInt();
        parts.day = match.captured(u"d").toInt();
    }
    if (match.hasCaptured(u"clock"))
        parts.hour = {Hour::Kind::Clock, match.captured(u"clock").toInt()};
    else if (match.hasCaptured(u"branch"))
        parts.hour = {Hour::Kind::Branch,
                      int(Words::Branches.indexOf(match.capturedView(u"branch")))};
    else if (match.hasCaptured(u"unknown"))
        parts.hour = {Hour::Kind::Unknown, 0};
    return parts;
}

// Why the typed date cannot be, or nothing when it can.
QString impossibility(const Typed &parts, int minguoYear)
{
    if (parts.year.size() == 4 && minguoYear < 1)
        return QStringLiteral("西元年份須從%1年起").arg(FirstWesternYear);
    if (minguoYear < 1)
        return QStringLiteral("民國年份從1年起");
    if (parts.month < 1 || parts.month > 12)
        return QStringLiteral("月份須為1至12");
    if (parts.day < 1)
        return QStringLiteral("日期須從1日起");
    if (parts.lunar && parts.day > LunarMonthDays)
        return QStringLiteral("農曆每月最多%1天").arg(LunarMonthDays);
    const QDate first(minguoYear + FirstWesternYear - 1, parts.month, 1);
    if (!parts.lunar && parts.day > first.daysInMonth())
        return QStringLiteral("民國%1年%2月只有%3天")
            .arg(minguoYear)
            .arg(parts.month)
            .arg(first.daysInMonth());
    if (parts.hour.kind == Hour::Kind::Clock && parts.hour.value > 23)
        return QStringLiteral("鐘點須為0至23");
    return {};
}

QString writtenForm(const Typed &parts, int minguoYear)
{
    QString out = yearWords(minguoYear);
    if (parts.lunar)
        out += Words::Lunar % lunarMonthWords(parts.month) % lunarDayWords(parts.day);
    else
        out += numeral(parts.month) % Words::Month % numeral(parts.day) % Words::Day;
    return out + hourWords(parts.hour);
}

} // namespace

Conversion convert(const QString &typed)
{
    Conversion result;
    result.text = typed;
    const std::optional<Typed> parts = parse(typed);
    if (!parts)
        return result;
    const int year = parts->year.toInt();
    const int minguoYear = parts->year.size() == 4 ? year - (FirstWesternYear - 1) : year;
    result.reason = impossibility(*parts, minguoYear);
    if (!result.reason.isEmpty()) {
        result.outcome = Conversion::Outcome::Impossible;
        return result;
    }
    result.outcome = Conversion::Outcome::Written;
    result.text = writtenForm(*parts, minguoYear);
    result.westernYear = minguoYear + FirstWesternYear - 1;
    return result;
}

QString zodiac(int westernYear)
{
    // 1912 was a year of the rat.
    const int index = ((westernYear - FirstWesternYear) % 12 + 12) % 12;
    return QString(Words::Zodiac[index]);
}

} // namespace BirthText
