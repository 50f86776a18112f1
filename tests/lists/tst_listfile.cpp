#include "listrules.h"
#include "lists/listfile.h"
#include "lists/xlsxsheet.h"
#include "tests/common/filefixture.h"
#include "xlsxfixture.h"

#include <QBuffer>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A header and names whose Big5 bytes hold a backslash (許 功 蓋 珮), a
// quoted field with a comma and doubled quotes, one with a line break, a
// blank row and a row with trailing empty fields.
const QString ListCsv =
    QStringLiteral("姓名,生辰,地址\r\n"
                   "許功蓋,民國39年8月15日,\"台北市中正區,重慶南路\"\"一段\"\" 122號\"\r\n"
                   "王珮珮,1950,\"高雄市\n前鎮區\"\r\n"
                   "\r\n"
                   "陳小明,,\r\n");

const QList<ListRow> ListRows = {
    {1, {QStringLiteral("姓名"), QStringLiteral("生辰"), QStringLiteral("地址")}},
    {2,
     {QStringLiteral("許功蓋"), QStringLiteral("民國39年8月15日"),
      QStringLiteral("台北市中正區,重慶南路\"一段\" 122號")}},
    {3, {QStringLiteral("王珮珮"), QStringLiteral("1950"), QStringLiteral("高雄市\n前鎮區")}},
    {5, {QStringLiteral("陳小明")}},
};

QByteArray encoded(const QString &text, const char *encoding, QStringConverter::Flags flags = {})
{
    QStringEncoder encoder(encoding, flags);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        qFatal("fixture cannot be encoded in %s", encoding);
    return bytes;
}

QString describe(const QList<ListRow> &rows)
{
    QStringList lines;
    for (const ListRow &row : rows)
        lines.append(QString::number(row.sourceRow) + u':' + row.fields.join(u'|'));
    return lines.join(u'\n');
}

} // namespace

class TestListFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameRowsFromEveryFormat_data();
    void sameRowsFromEveryFormat();
    void separatorsAndQuoting_data();
    void separatorsAndQuoting();
    void workbookCellValues_data();
    void workbookCellValues();
    void unreadableFiles_data();
    void unreadableFiles();
    void columnsPastZKeepTheirPlace();
    void fuzzFindingsKeepTheRules_data();
    void fuzzFindingsKeepTheRules();
    void aLongReadTellsItsProgressAndStopsWhenTold_data();
    void aLongReadTellsItsProgressAndStopsWhenTold();

private:
    static QByteArray workbookBytes(const QList<ListRow> &rows)
    {
        return XlsxFixture::zipBytes(XlsxFixture::workbookParts(rows));
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        writeAll(path, bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

void TestListFile::sameRowsFromEveryFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8") << "list.csv" << ListCsv.toUtf8();
    QTest::newRow("UTF-8 BOM") << "list.csv" << QByteArray("\xEF\xBB\xBF") + ListCsv.toUtf8();
    QTest::newRow("UTF-16LE BOM") << "list.csv"
                                  << encoded(ListCsv, "UTF-16LE", QStringConverter::Flag::WriteBom);
    QTest::newRow("UTF-16BE BOM") << "list.csv"
                                  << encoded(ListCsv, "UTF-16BE", QStringConverter::Flag::WriteBom);
    QTest::newRow("Big5") << "list.csv" << encoded(ListCsv, "CP950");
    QString tabbed = ListCsv;
    tabbed.replace(QStringLiteral("民國39年8月15日,"), QStringLiteral("民國39年8月15日\t"))
        .replace(QStringLiteral("許功蓋,"), QStringLiteral("許功蓋\t"))
        .replace(QStringLiteral("王珮珮,1950,"), QStringLiteral("王珮珮\t1950\t"))
        .replace(QStringLiteral("姓名,生辰,"), QStringLiteral("姓名\t生辰\t"))
        .replace(QStringLiteral("陳小明,,"), QStringLiteral("陳小明\t\t"));
    QTest::newRow("TSV") << "list.tsv" << tabbed.toUtf8();
    QTest::newRow("TXT Big5") << "list.txt" << encoded(tabbed, "CP950");
    QTest::newRow("tab-separated .csv") << "list.csv" << tabbed.toUtf8();
    QTest::newRow("xlsx") << "list.xlsx" << workbookBytes(ListRows);
    XlsxFixture::Parts veryHidden = XlsxFixture::workbookParts(ListRows);
    XlsxFixture::replaceInPart(veryHidden, QStringLiteral("xl/workbook.xml"), "\"hidden\"",
                               "\"veryHidden\"");
    QTest::newRow("xlsx after a very hidden sheet")
        << "list.xlsx" << XlsxFixture::zipBytes(veryHidden);
}

void TestListFile::sameRowsFromEveryFormat()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const ListRead read = readListFile(write(name, bytes));
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(describe(read.rows), describe(ListRows));
}

void TestListFile::separatorsAndQuoting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rows");
    QTest::newRow("commas inside a tab-separated address") << "王\t台北市,中正區\n李\t高雄市\n"
                                                           << "1:王|台北市,中正區\n2:李|高雄市";
    QTest::newRow("a tab inside a comma-separated value") << "王,a\tb\n李,c\n"
                                                          << "1:王|a\tb\n2:李|c";
    QTest::newRow("one column") << "王\n李"
                                << "1:王\n2:李";
    QTest::newRow("comma in quotes") << "\"王, 小明\",2\n"
                                     << "1:王, 小明|2";
    QTest::newRow("doubled quotes") << "\"他說\"\"好\"\"\",x"
                                    << "1:他說\"好\"|x";
    QTest::newRow("CRLF in quotes counts one row") << "\"a\r\nb\",c\r\nd\r\n"
                                                   << "1:a\r\nb|c\n2:d";
    QTest::newRow("quote inside an unquoted field") << "5\"3,x\n"
                                                    << "1:5\"3|x";
    QTest::newRow("empty quoted fields keep their place") << "\"\",\"\",z\n"
                                                          << "1:||z";
    QTest::newRow("old Mac line ends") << "a\rb\r"
                                       << "1:a\n2:b";
    QTest::newRow("trailing separator at the very end") << "a,b,"
                                                        << "1:a|b";
}

void TestListFile::separatorsAndQuoting()
{
    QFETCH(QString, text);
    QFETCH(QString, rows);
    const ListRead read = readListFile(write(QStringLiteral("text.csv"), text.toUtf8()));
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(describe(read.rows), rows);
}

void TestListFile::workbookCellValues_data()
{
    QTest::addColumn<QByteArray>("cells"); // the <c> elements of row 2
    QTest::addColumn<QString>("row");
    QTest::newRow("numbers as the General format shows them") << QByteArray(
        R"(<c r="A2"><v>0.30000000000000004</v></c><c r="B2" t="n"><v>1950</v></c><c r="C2"><v>1E-3</v></c>)")
                                                              << "2:0.3|1950|0.001";
    QTest::newRow("rich text without its phonetic guide") << QByteArray(
        R"(<c r="A2" t="inlineStr"><is><r><t>林</t></r><r><rPr><b/></rPr><t xml:space="preserve">志 明</t></r><rPh sb="0" eb="1"><t>ㄌㄧㄣˊ</t></rPh></is></c>)")
                                                          << "2:林志 明";
    QTest::newRow("escaped control characters")
        << QByteArray(R"(<c r="A2" t="inlineStr"><is><t>高雄市_x000D_
前鎮區_x005F_x</t></is></c>)")
        << "2:高雄市\r\n前鎮區_x";
    QTest::newRow("booleans, formula text, errors") << QByteArray(
        R"(<c r="A2" t="b"><v>1</v></c><c r="B2" t="str"><f>A1</f><v>王</v></c><c r="C2" t="e"><v>#N/A</v></c>)")
                                                    << "2:TRUE|王|#N/A";
    QTest::newRow("cells without references follow each other") << QByteArray(
        R"(<c t="inlineStr"><is><t>a</t></is></c><c r="C2" t="inlineStr"><is><t>c</t></is></c><c t="inlineStr"><is><t>d</t></is></c>)")
                                                                << "2:a||c|d";
    QTest::newRow("an empty row is skipped") << QByteArray(
        R"(<c r="A2" t="inlineStr"><is><t></t></is></c></row><row r="3"><c r="A3"><v>7</v></c>)")
                                             << "3:7";
}

void TestListFile::workbookCellValues()
{
    QFETCH(QByteArray, cells);
    QFETCH(QString, row);
    XlsxFixture::Parts parts = XlsxFixture::workbookParts({});
    XlsxFixture::setSheetRows(parts, "<row r=\"2\">" + cells + "</row>");
    const ListRead read =
        readListFile(write(QStringLiteral("values.xlsx"), XlsxFixture::zipBytes(parts)));
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(describe(read.rows), row);
}

void TestListFile::unreadableFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray workbook = workbookBytes(ListRows);
    QTest::newRow("cut-off workbook")
        << "cut.xlsx" << workbook.left(workbook.size() / 2) << "不是完整的 Excel 活頁簿";
    QByteArray flipped = workbook;
    const qsizetype sheetData = flipped.indexOf("xl/worksheets/list.xml") + 40;
    for (qsizetype i = sheetData; i < sheetData + 40; ++i)
        flipped[i] = char(flipped[i] ^ 0x5A);
    QTest::newRow("damaged sheet data") << "flipped.xlsx" << flipped << "活頁簿已損壞";

    XlsxFixture::Parts parts = XlsxFixture::workbookParts(ListRows);
    parts.removeIf([](const auto &part) { return part.first == u"xl/workbook.xml"; });
    QTest::newRow("no workbook part")
        << "noworkbook.xlsx" << XlsxFixture::zipBytes(parts) << "缺少 xl/workbook.xml";
    for (const QByteArray &index : {QByteArray("99"), QByteArray("count")}) {
        parts = XlsxFixture::workbookParts(ListRows);
        const QByteArray count =
            QByteArray::number(std::find_if(parts.cbegin(), parts.cend(), [](const auto &part) {
                                   return part.first == u"xl/sharedStrings.xml";
                               })->second.count("<si>"));
        XlsxFixture::replaceInPart(parts, QStringLiteral("xl/worksheets/list.xml"), "<v>0</v>",
                                   "<v>" + (index == "count" ? count : index) + "</v>");
        QTest::newRow("shared string index " + index)
            << "badindex.xlsx" << XlsxFixture::zipBytes(parts) << "xl/worksheets/list.xml";
    }
    QTest::newRow("zip that is no workbook")
        << "other.xlsx" << XlsxFixture::zipBytes({{QStringLiteral("readme.txt"), "hi"}})
        << "缺少 _rels/.rels";
    QTest::newRow("text named .xlsx")
        << "text.xlsx" << QByteArray("a,b\n") << "不是完整的 Excel 活頁簿";
    QTest::newRow("old .xls") << "old.xls"
                              << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"
                                            "xxxx",
                                            12)
                              << "舊版 Excel";
    QTest::newRow("UTF-16 without BOM")
        << "nobom.csv" << encoded(ListCsv, "UTF-16LE") << "文字編碼";
    // Plain ASCII in UTF-16 decodes as UTF-8 without a fault, NULs and all.
    QTest::newRow("ASCII UTF-16 without BOM")
        << "nobom16.csv" << encoded(QStringLiteral("Wang,Taipei\r\n"), "UTF-16LE") << "文字編碼";
    QTest::newRow("no value at all")
        << "blank.csv" << QByteArray(",,\r\n\r\n,\r\n") << "沒有名單資料";
    QTest::newRow("workbook without a value")
        << "blank.xlsx" << workbookBytes({}) << "沒有名單資料";
    QTest::newRow("unclosed quote") << "open.csv" << QByteArray("a,b\n\"c,d\ne,f\n") << "第 2 列";
}

void TestListFile::unreadableFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const ListRead read = readListFile(write(name, bytes));
    QVERIFY2(read.problem.contains(reason), qPrintable(read.problem));
    QVERIFY(read.rows.isEmpty());
}

// Columns AA and AB come after Z, not over A and B.
void TestListFile::columnsPastZKeepTheirPlace()
{
    QStringList fields;
    for (int column = 1; column <= 28; ++column)
        fields.append(QStringLiteral("欄%1").arg(column));
    const QList<ListRow> rows{{1, fields}};
    const ListRead read = readListFile(write(QStringLiteral("wide.xlsx"), workbookBytes(rows)));
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(describe(read.rows), describe(rows));
}

// What the fuzzers (tests/fuzz) found, read through both entry points: the
// workbook on a device and the file. A .parts finding is the XML of a
// workbook's parts, as fuzz_xlsxxml makes a workbook of it.
void TestListFile::fuzzFindingsKeepTheRules_data()
{
    QTest::addColumn<QString>("finding");
    QTest::addColumn<QString>("problem");
    QTest::newRow("fuzz_xlsx: no value, yet no problem") << "xlsx-1.xlsx"
                                                         << "沒有名單資料";
    QTest::newRow("fuzz_xlsxxml: the same") << "xlsxxml-1.parts"
                                            << "沒有名單資料";
    QTest::newRow("fuzz_xlsxxml: the same again") << "xlsxxml-2.parts"
                                                  << "沒有名單資料";
}

void TestListFile::fuzzFindingsKeepTheRules()
{
    QFETCH(QString, finding);
    QFETCH(QString, problem);
    QByteArray bytes = readAll(QFINDTESTDATA(QStringLiteral("findings/") + finding));
    QVERIFY(!bytes.isEmpty());
    if (finding.endsWith(u".parts"))
        bytes = XlsxFixture::workbookFromXml(bytes);
    QBuffer device(&bytes);
    const ListRead read = readXlsxFirstSheet(&device);
    QVERIFY2(ListRules::broken(read, ListRules::Source::Workbook).isEmpty(),
             qPrintable(ListRules::broken(read, ListRules::Source::Workbook)));
    QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
    QCOMPARE(readListFile(write(QStringLiteral("finding.xlsx"), bytes)).problem, read.problem);
}

void TestListFile::aLongReadTellsItsProgressAndStopsWhenTold_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CSV")
        << "long.csv"
        << QStringLiteral("王小明,台北市中正區重慶南路一段122號\r\n").toUtf8().repeated(50000);
    QTest::newRow("xlsx") << "long.xlsx"
                          << XlsxFixture::workbookBytes(XlsxFixture::repeatedSheetRows(
                                 R"(<row><c t="inlineStr"><is><t>王小明</t></is></c></row>)",
                                 50000));
}

// Progress comes in steps that only grow; false from it stops the read,
// which then has neither rows nor a problem.
void TestListFile::aLongReadTellsItsProgressAndStopsWhenTold()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = write(name, bytes);
    QList<std::pair<int, int>> steps;
    const ListRead whole = readListFile(path, [&](int done, int total) {
        steps.append({done, total});
        return true;
    });
    QVERIFY2(whole.ok(), qPrintable(whole.problem));
    QCOMPARE(whole.rows.size(), 50000);
    QVERIFY(steps.size() >= 4);
    for (qsizetype i = 1; i < steps.size(); ++i) {
        QVERIFY(steps[i].first > steps[i - 1].first);
        QVERIFY(steps[i].first <= steps[i].second);
    }

    int calls = 0;
    const ListRead stopped = readListFile(path, [&](int, int) { return ++calls < 3; });
    QVERIFY(stopped.cancelled);
    QVERIFY(!stopped.ok());
    QVERIFY(stopped.rows.isEmpty());
    QVERIFY(stopped.problem.isEmpty());
    QCOMPARE(calls, 3);
}

QTEST_GUILESS_MAIN(TestListFile)
#include "tst_listfile.moc"
