// Reading rules of the INI module: what a lookup returns for a given file.
#include "ini/inidocument.h"
#include "ini/iniutil.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestIniReading : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeFile(const QByteArray &bytes, const QString &name = QStringLiteral("t.ini"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes) != bytes.size())
            qFatal("cannot write fixture");
        return path;
    }

private Q_SLOTS:
    void readString_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain") << QByteArray("[info]\nMode=2\n") << "info"
                               << "Mode"
                               << "2";
        QTest::newRow("section case") << QByteArray("[INFO]\nMode=2\n") << "info"
                                      << "Mode"
                                      << "2";
        QTest::newRow("key case") << QByteArray("[info]\nmode=2\n") << "info"
                                  << "MODE"
                                  << "2";
        QTest::newRow("blanks around names")
            << QByteArray("  [ info ]  \n\t Mode \t= 2 \n") << "info"
            << "Mode"
            << "2";
        QTest::newRow("blanks inside value kept") << QByteArray("[a]\nk= x  y \n") << "a"
                                                  << "k"
                                                  << "x  y";
        QTest::newRow("double quotes") << QByteArray("[a]\nk=\" padded \"\n") << "a"
                                       << "k"
                                       << " padded ";
        QTest::newRow("single quotes") << QByteArray("[a]\nk='v'\n") << "a"
                                       << "k"
                                       << "v";
        QTest::newRow("unmatched quotes kept") << QByteArray("[a]\nk=\"v'\n") << "a"
                                               << "k"
                                               << "\"v'";
        QTest::newRow("lone quote kept") << QByteArray("[a]\nk=\"\n") << "a"
                                         << "k"
                                         << "\"";
        QTest::newRow("first duplicate key") << QByteArray("[a]\nk=1\nk=2\n") << "a"
                                             << "k"
                                             << "1";
        QTest::newRow("first duplicate section") << QByteArray("[a]\nk=1\n[b]\n[A]\nk=2\n") << "a"
                                                 << "k"
                                                 << "1";
        QTest::newRow("key only in second duplicate") << QByteArray("[a]\nx=1\n[a]\nk=2\n") << "a"
                                                      << "k"
                                                      << "";
        QTest::newRow("crlf") << QByteArray("[a]\r\nk=v\r\n") << "a"
                              << "k"
                              << "v";
        QTest::newRow("no final newline") << QByteArray("[a]\nk=v") << "a"
                                          << "k"
                                          << "v";
        QTest::newRow("missing section") << QByteArray("[a]\nk=v\n") << "b"
                                         << "k"
                                         << "";
        QTest::newRow("missing key") << QByteArray("[a]\nk=v\n") << "a"
                                     << "j"
                                     << "";
        QTest::newRow("key before any section") << QByteArray("k=v\n[a]\n") << "a"
                                                << "k"
                                                << "";
        QTest::newRow("empty value") << QByteArray("[a]\nk=\n") << "a"
                                     << "k"
                                     << "";
        QTest::newRow("equals in value") << QByteArray("[a]\nk=x=y\n") << "a"
                                         << "k"
                                         << "x=y";
        QTest::newRow("chinese names") << QByteArray("[標籤]\nTOPMARGIN=3\n") << "標籤"
                                       << "TOPMARGIN"
                                       << "3";
        QTest::newRow("ideographic space kept") << QByteArray("[a]\nk=\xE3\x80\x80陳\n") << "a"
                                                << "k"
                                                << "\u3000陳";
        QTest::newRow("backslash is text") << QByteArray("[a]\nk=C:\\x\\n\n") << "a"
                                           << "k"
                                           << "C:\\x\\n";
        QTest::newRow("comment line ignored") << QByteArray("[a]\n; note\nk=v\n") << "a"
                                              << "k"
                                              << "v";
        QTest::newRow("header without bracket") << QByteArray("[a\nk=v\n") << "a"
                                                << "k"
                                                << "v";
        QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBF[a]\nk=姓名\n") << "a"
                                  << "k"
                                  << "姓名";
        // A carriage return on its own ends a line, as for the Windows profile functions.
        QTest::newRow("cr only") << QByteArray("[a]\rk=v\rj=w\r") << "a"
                                 << "j"
                                 << "w";
        QTest::newRow("stray cr ends the line before it")
            << QByteArray("[1]\r\n0=name-a\r1=line-b\r\n") << "1"
            << "0"
            << "name-a";
        QTest::newRow("stray cr starts a line")
            << QByteArray("[1]\r\n0=name-a\r1=line-b\r\n") << "1"
            << "1"
            << "line-b";
    }

    void readString()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(IniUtil::readString(writeFile(file), section, key), expected);
    }

    void valueIsCutTo2047Characters()
    {
        const QByteArray longValue(5000, 'x');
        const QString path = writeFile("[a]\nk=" + longValue + "\n");
        QCOMPARE(IniUtil::readString(path, QStringLiteral("a"), QStringLiteral("k")),
                 QString(2047, u'x'));
    }

    void cutNeverSplitsASurrogatePair()
    {
        // 2046 ASCII characters, then a character outside the BMP.
        const QByteArray value = QByteArray(2046, 'x') + "\xF0\xA0\x80\x80" + "y";
        const QString read = IniUtil::readString(writeFile("[a]\nk=" + value + "\n"),
                                                 QStringLiteral("a"), QStringLiteral("k"));
        QCOMPARE(read, QString(2046, u'x'));
    }

    void missingFileGivesDefaultAndCreatesNothing()
    {
        const QString path = m_dir.filePath(QStringLiteral("absent/sys.ini"));
        QCOMPARE(IniUtil::readString(path, QStringLiteral("info"), QStringLiteral("Mode")),
                 QString());
        QCOMPARE(IniUtil::readFloat(path, QStringLiteral("標籤"), QStringLiteral("TOPMARGIN")),
                 -1.0);
        QVERIFY(!QFile::exists(path));
    }

    void readFloat_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<double>("expected");
        QTest::newRow("two and a half") << QByteArray("TOPMARGIN=2.5") << 2.5;
        QTest::newRow("whole") << QByteArray("TOPMARGIN=7") << 7.0;
        QTest::newRow("negative") << QByteArray("TOPMARGIN=-3") << -3.0;
        QTest::newRow("letters") << QByteArray("TOPMARGIN=abc") << -1.0;
        QTest::newRow("comma decimal") << QByteArray("TOPMARGIN=2,5") << -1.0;
        QTest::newRow("empty") << QByteArray("TOPMARGIN=") << -1.0;
        QTest::newRow("absent") << QByteArray("OTHER=1") << -1.0;
        QTest::newRow("not finite") << QByteArray("TOPMARGIN=inf") << -1.0;
        QTest::newRow("quoted") << QByteArray("TOPMARGIN=\"3\"") << 3.0;
    }

    void readFloat()
    {
        QFETCH(QByteArray, stored);
        QFETCH(double, expected);
        const QString path = writeFile("[標籤]\n" + stored + "\n");
        QCOMPARE(IniUtil::readFloat(path, QStringLiteral("標籤"), QStringLiteral("TOPMARGIN")),
                 expected);
    }

    void utf16WithBomReads()
    {
        QByteArray bytes("\xFF\xFE");
        const QString text = QStringLiteral("[標籤]\r\nTOPMARGIN=3\r\n");
        bytes += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QCOMPARE(IniUtil::readString(writeFile(bytes), QStringLiteral("標籤"),
                                     QStringLiteral("TOPMARGIN")),
                 QStringLiteral("3"));
    }

    void big5FileReads()
    {
        // 許功蓋 in Big5: every second byte is a backslash.
        const QByteArray bytes("[1]\r\n0=\xB3\x5C\xA5\x5C\xBB\x5C\r\n");
        const QString path = writeFile(bytes, QStringLiteral("姓名1.ini"));
        QCOMPARE(IniUtil::readString(path, QStringLiteral("1"), QStringLiteral("0")),
                 QStringLiteral("許功蓋"));
        QCOMPARE(IniDocument::load(path).encoding(), IniEncoding::LegacyBig5);
    }
};

QTEST_GUILESS_MAIN(TestIniReading)
#include "tst_inireading.moc"
