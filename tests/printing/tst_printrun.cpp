// Preparing a print run: margins read from sys.ini and the template of the
// kind with the panels' fonts.
#include "printrun/printrun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPrintRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void margins_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::newRow("missing") << QByteArray() << 2.0 << 5.0;
        QTest::newRow("zero") << QByteArray("TOPMARGIN=0\nLEFTMARGIN=0\n") << 2.0 << 5.0;
        QTest::newRow("negative") << QByteArray("TOPMARGIN=-3\nLEFTMARGIN=-1\n") << 2.0 << 5.0;
        QTest::newRow("letters") << QByteArray("TOPMARGIN=abc\nLEFTMARGIN=\n") << 2.0 << 5.0;
        QTest::newRow("decimal") << QByteArray("TOPMARGIN=2.5\nLEFTMARGIN=7\n") << 2.5 << 7.0;
        QTest::newRow("no upper bound")
            << QByteArray("TOPMARGIN=300\nLEFTMARGIN=12\n") << 300.0 << 12.0;
    }

    void margins()
    {
        QFETCH(QByteArray, stored);
        QFETCH(double, top);
        QFETCH(double, left);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sys.ini"));
        if (!stored.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[標籤]\n" + stored);
        }
        const PrintRun::Margins margins = PrintRun::readMargins(path);
        QCOMPARE(margins.top, top);
        QCOMPARE(margins.left, left);
    }

    void templateTakesMarginsAndStyles_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("kind 1") << 1 << QStringList{QStringLiteral("Memo1")};
        QTest::newRow("kind 2") << 2
                                << QStringList{QStringLiteral("Memo1"), QStringLiteral("Memo2"),
                                               QStringLiteral("Memo3")};
        QTest::newRow("kind 3") << 3
                                << QStringList{QStringLiteral("Memo1"), QStringLiteral("Memo2")};
        QTest::newRow("kind 4") << 4
                                << QStringList{QStringLiteral("Memo1"), QStringLiteral("Memo2")};
    }

    void templateTakesMarginsAndStyles()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, boxes);
        // Name panel styles Memo1, the third panel Memo2, the address panel Memo3.
        const QHash<QString, TextStyle> expected{
            {QStringLiteral("Memo1"), {QStringLiteral("名"), 18, 255}},
            {QStringLiteral("Memo2"), {QStringLiteral("三"), 20, 0}},
            {QStringLiteral("Memo3"), {QStringLiteral("址"), 9, -1}}};
        const std::optional<LabelTemplate> prepared = PrintRun::preparedTemplate(
            kind, {3.0, 6.0}, {QStringLiteral("名"), 18.5, 255}, {QStringLiteral("三"), 19.5, 0},
            {QStringLiteral("址"), 9, -1});
        QVERIFY(prepared);
        QCOMPARE(prepared->page1.topMarginMm, 3.0);
        QCOMPARE(prepared->page1.leftMarginMm, 6.0);
        QCOMPARE(prepared->page1.rightMarginMm, 5.0);
        QCOMPARE(prepared->page1.bottomMarginMm, 1.0);
        QStringList names;
        for (const TextBoxTemplate &box : prepared->boxes) {
            names.append(box.name);
            const TextStyle style = expected.value(box.name);
            QCOMPARE(box.font.family, style.family);
            QCOMPARE(box.font.pointSize, style.pointSize); // 18.5 and 19.5 round half to even
            QCOMPARE(box.font.color, style.color);
        }
        names.sort();
        QCOMPARE(names, boxes);
    }

    void otherKindsPrintNothing()
    {
        QVERIFY(!PrintRun::preparedTemplate(0, {}, {}, {}, {}));
        QVERIFY(!PrintRun::preparedTemplate(5, {}, {}, {}, {}));
    }

    void noRowFitsNamesTheMargins()
    {
        const QString message = PrintRun::noRowFitsMessage({280.5, 6});
        QVERIFY(message.contains(QStringLiteral("280.5")));
        QVERIFY(message.contains(QStringLiteral("6")));
        // The sheet's own figures, taken from the templates.
        QVERIFY(message.contains(
            QStringLiteral("每列標籤高 20.9 毫米，下邊界 1 毫米，A4 紙高 297 毫米")));
    }
};

QTEST_GUILESS_MAIN(TestPrintRun)
#include "tst_printrun.moc"
