// Files that once broke the write-back round trip (most found by the INI
// fuzzer, scripts/fuzz.sh), checked by the fuzzer's own rules
// (iniroundtrip.h).
#include "tests/sheet/iniroundtrip.h"

#include <QTest>

class TestIniRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("values needing quotes")
            << QByteArray("[a]\nk=\"\"x\"\"\nj=\" padded \"\nq=''\n");
        QTest::newRow("duplicates and comments")
            << QByteArray("[1]\n0=\xB3\x5C\n1= x \n; c\n[1]\n0=dup\n");
        // Big5 text ending inside a character, whose rewrite would read as UTF-8.
        QTest::newRow("big5 ending mid-character") << QByteArray::fromBase64(
            "WzE7IGMqWzBdCjA9ZHVjClsxXQo1PWR1cF0KMD3YswpcCjE9IHggCjsgYwpb0aoKMD0KpA==");
        QTest::newRow("big5 that is also utf-8") << QByteArray("[1]\n0=\xD8\xB3\xFA\n");
        QTest::newRow("damaged section name like another") << QByteArray::fromBase64(
            "WzH9CjA9ZOcA4GAAAFwKMT0gKWMKW1wKMT0gKWMKWzBdCmMKWzE/XQowPWR1cAo=");
        QTest::newRow("damaged names and binary") << QByteArray::fromBase64(
            "XL8KWzF2XQqaXwpjCl0KWyuaXwpjCl0KW/0KWyApYyljAAAAAAAAAAAAClsyAQBg4ACCTCgNCls3gCApYwpbbw1NXWRl"
            "Cj0yDQpbPw0KPS7///9oAF0KWwr6CiQpYwpbMQJbICljClsxMApb/v/9/yljCts9ZHVvIQ==");
        QTest::newRow("big5 with a stray byte and a key in two cases")
            << QByteArray::fromBase64("WzFdCkswPbMssAoKMCA5OyBjilsxCjA9");
        QTest::newRow("carriage returns around a damaged name")
            << QByteArray::fromBase64("WwANwfINDQ1LMD0=");
        QTest::newRow("key name starting with a vertical tab")
            << QByteArray::fromBase64("WwBADQ0NDQtLMD0=");
    }

    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        for (unsigned seed = 0; seed < 81; ++seed) {
            const QString problem = IniRoundTrip::check(bytes, seed);
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(problem)));
        }
    }
};

QTEST_GUILESS_MAIN(TestIniRoundTrip)
#include "tst_iniroundtrip.moc"
