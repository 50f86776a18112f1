// Birth digits written out: the forms that convert, the dates that cannot
// be, free text left alone, and the zodiac.
#include "sheet/birthtext.h"

#include <QTest>

using Outcome = BirthText::Conversion::Outcome;
Q_DECLARE_METATYPE(Outcome)

class TestBirthText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void written_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("westernYear");
        QTest::newRow("slashes") << "60/3/5"
                                 << "民國六十年三月五日" << 1971;
        QTest::newRow("dots") << "60.3.5"
                              << "民國六十年三月五日" << 1971;
        QTest::newRow("six digits") << "600305"
                                    << "民國六十年三月五日" << 1971;
        QTest::newRow("seven digits") << "1050305"
                                      << "民國一百零五年三月五日" << 2016;
        QTest::newRow("western with dashes") << "1971-3-5"
                                             << "民國六十年三月五日" << 1971;
        QTest::newRow("blanks") << "105 11 21"
                                << "民國一百零五年十一月二十一日" << 2016;
        QTest::newRow("lunar") << "農60/3/5"
                               << "民國六十年農曆三月初五" << 1971;
        QTest::newRow("lunar day 30") << "農 60/12/30"
                                      << "民國六十年農曆十二月三十" << 1971;
        QTest::newRow("hour 14") << "60/3/5 14"
                                 << "民國六十年三月五日未時" << 1971;
        QTest::newRow("branch typed") << "60/3/5 辰"
                                      << "民國六十年三月五日辰時" << 1971;
        QTest::newRow("branch with 時") << "60/3/5 辰時"
                                        << "民國六十年三月五日辰時" << 1971;
        QTest::newRow("hour unknown") << "60/3/5 ?"
                                      << "民國六十年三月五日吉時" << 1971;
        QTest::newRow("hour 23") << "60/3/5 23"
                                 << "民國六十年三月五日子時" << 1971;
        QTest::newRow("hour 0") << "60/3/5 0"
                                << "民國六十年三月五日子時" << 1971;
        QTest::newRow("hour 1") << "60/3/5 1"
                                << "民國六十年三月五日丑時" << 1971;
        QTest::newRow("hour with minutes") << "60/3/5 6:59"
                                           << "民國六十年三月五日卯時" << 1971;
        QTest::newRow("hour 22") << "60/3/5 22"
                                 << "民國六十年三月五日亥時" << 1971;
        QTest::newRow("western 1912") << "1912/1/1"
                                      << "民國元年一月一日" << 1912;
        QTest::newRow("minguo 1") << "1/1/1"
                                  << "民國元年一月一日" << 1912;
        QTest::newRow("six digits year 10") << "101010"
                                            << "民國十年十月十日" << 1921;
        QTest::newRow("seven digits year 110") << "1101231"
                                               << "民國一百一十年十二月三十一日" << 2021;
        QTest::newRow("year 100") << "100/1/1"
                                  << "民國一百年一月一日" << 2011;
        QTest::newRow("year 115") << "2026/2/9"
                                  << "民國一百一十五年二月九日" << 2026;
        QTest::newRow("leap day") << "89/2/29"
                                  << "民國八十九年二月二十九日" << 2000;
        QTest::newRow("lunar 正月 初十") << "農曆70/1/10"
                                         << "民國七十年農曆正月初十" << 1981;
        QTest::newRow("lunar 二十") << "農70/2/20"
                                    << "民國七十年農曆二月二十" << 1981;
        QTest::newRow("lunar 廿一") << "農70/11/21"
                                    << "民國七十年農曆十一月廿一" << 1981;
        QTest::newRow("lunar 十一") << "農70/10/11 ?"
                                    << "民國七十年農曆十月十一吉時" << 1981;
        QTest::newRow("lunar 30 of a short month") << "農70/2/30"
                                                   << "民國七十年農曆二月三十" << 1981;
        QTest::newRow("full-width") << "６０／３／５　８"
                                    << "民國六十年三月五日辰時" << 1971;
        QTest::newRow("blanks around") << "  60/3/5 "
                                       << "民國六十年三月五日" << 1971;
    }

    void written()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(int, westernYear);
        const BirthText::Conversion got = BirthText::convert(typed);
        QCOMPARE(got.outcome, Outcome::Written);
        QCOMPARE(got.text, written);
        QCOMPARE(got.westernYear, westernYear);
        QVERIFY(got.reason.isEmpty());
    }

    void keptAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no 2/30") << "60/2/30" << Outcome::Impossible << "民國60年2月只有28天";
        QTest::newRow("no 2/29 in 1971")
            << "600229" << Outcome::Impossible << "民國60年2月只有28天";
        QTest::newRow("year 0") << "0/1/1" << Outcome::Impossible << "民國年份從1年起";
        QTest::newRow("western before 1912")
            << "1911/12/31" << Outcome::Impossible << "西元年份須從1912年起";
        QTest::newRow("month 13") << "60/13/1" << Outcome::Impossible << "月份須為1至12";
        QTest::newRow("month 0") << "60/0/1" << Outcome::Impossible << "月份須為1至12";
        QTest::newRow("day 0") << "60/3/0" << Outcome::Impossible << "日期須從1日起";
        QTest::newRow("lunar day 31") << "農60/1/31" << Outcome::Impossible << "農曆每月最多30天";
        QTest::newRow("hour 24") << "60/3/5 24" << Outcome::Impossible << "鐘點須為0至23";
        QTest::newRow("minutes 60") << "60/3/5 8:60" << Outcome::FreeText << "";
        QTest::newRow("民國60年") << "民國60年" << Outcome::FreeText << "";
        QTest::newRow("不詳") << "不詳" << Outcome::FreeText << "";
        QTest::newRow("empty") << "" << Outcome::FreeText << "";
        QTest::newRow("five digits") << "60305" << Outcome::FreeText << "";
        QTest::newRow("eight digits") << "19710305" << Outcome::FreeText << "";
        QTest::newRow("two parts") << "60/3" << Outcome::FreeText << "";
        QTest::newRow("five-digit year") << "19710/3/5" << Outcome::FreeText << "";
        QTest::newRow("words after") << "60/3/5 上午" << Outcome::FreeText << "";
        QTest::newRow("written already") << "民國六十年三月五日" << Outcome::FreeText << "";
    }

    void keptAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(Outcome, outcome);
        QFETCH(QString, reason);
        const BirthText::Conversion got = BirthText::convert(typed);
        QCOMPARE(got.outcome, outcome);
        QCOMPARE(got.text, typed);
        QCOMPARE(got.reason, reason);
        QCOMPARE(got.westernYear, 0);
    }

    void zodiac_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("animal");
        QTest::newRow("1912") << 1912 << "鼠";
        QTest::newRow("1913") << 1913 << "牛";
        QTest::newRow("1926") << 1926 << "虎";
        QTest::newRow("1939") << 1939 << "兔";
        QTest::newRow("1952") << 1952 << "龍";
        QTest::newRow("1965") << 1965 << "蛇";
        QTest::newRow("1966") << 1966 << "馬";
        QTest::newRow("1967") << 1967 << "羊";
        QTest::newRow("1968") << 1968 << "猴";
        QTest::newRow("1969") << 1969 << "雞";
        QTest::newRow("1970") << 1970 << "狗";
        QTest::newRow("1971") << 1971 << "豬";
        QTest::newRow("2000") << 2000 << "龍";
        QTest::newRow("2026") << 2026 << "馬";
    }

    void zodiac()
    {
        QFETCH(int, year);
        QFETCH(QString, animal);
        QCOMPARE(BirthText::zodiac(year), animal);
    }
};

QTEST_APPLESS_MAIN(TestBirthText)
#include "tst_birthtext.moc"
