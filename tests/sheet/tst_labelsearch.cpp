// Finding text in the labels of every page file of every kind in a folder.
#include "sheet/labelkinds.h"
#include "sheet/labelsearch.h"
#include "tests/common/filefixture.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace LabelSearch;

namespace {

QString pagePath(const QTemporaryDir &dir, int kind, int page)
{
    return dir.filePath(SheetPage::pageFileName(labelKind(kind)->stemText(), page));
}

void writeCells(const QTemporaryDir &dir, int kind, int page,
                const QList<QPair<int, QStringList>> &cells)
{
    SheetPage::Cells all;
    for (const auto &[cell, lines] : cells)
        all[cell - 1] = lines;
    if (SheetPage::writePage(pagePath(dir, kind, page), all))
        qFatal("cannot write page fixture");
}

// "kind/page/cell" for each hit, in order.
QStringList places(const Result &result)
{
    QStringList out;
    for (const Hit &hit : result.hits)
        out.append(QStringLiteral("%1/%2/%3").arg(hit.kind).arg(hit.page).arg(hit.cell));
    return out;
}

QMap<QString, QByteArray> folderBytes(const QTemporaryDir &dir)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(dir.path(), QDir::Files); it.hasNext();) {
        const QString path = it.next();
        files.insert(path, readAll(path));
    }
    return files;
}

} // namespace

class TestLabelSearch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ShownPage m_shown;

private Q_SLOTS:
    void initTestCase()
    {
        writeCells(m_dir, 1, 1,
                   {{3, {QStringLiteral("Wang Xiao")}}, {70, {QStringLiteral("王小明")}}});
        writeCells(m_dir, 1, 10, {{1, {QStringLiteral("ＷＡＮＧ　大同")}}});
        writeCells(m_dir, 1, 2, {{5, {QStringLiteral("陳美玲")}}});
        writeCells(m_dir, 2, 1,
                   {{2,
                     {QStringLiteral("李四"), QStringLiteral("民國39年"),
                      QStringLiteral("台北市wang路１２３號")}}});
        writeCells(m_dir, 3, 4, {{7, {QStringLiteral("王小明"), QStringLiteral("A區 1排 3號")}}});
        writeCells(m_dir, 4, 2, {{9, {QStringLiteral("國中會考"), QStringLiteral("王小明")}}});
        // What is on screen differs from kind 4 page 1's file, and kind 4
        // page 3 has no file yet.
        writeCells(m_dir, 4, 1, {{1, {QStringLiteral("舊的名字")}}});
        m_shown = {4, 1, {}};
        m_shown.cells[0] = {QStringLiteral("國小"), QStringLiteral("新打的名字")};
        // Files that are no page files of any kind.
        writeAll(m_dir.filePath(QStringLiteral("姓名01.ini")), "[1]\n0=王小明\n");
        writeAll(m_dir.filePath(QStringLiteral("姓名.ini")), "[1]\n0=王小明\n");
        writeAll(m_dir.filePath(QStringLiteral("姓名x1.ini")), "[1]\n0=王小明\n");
    }

    void findsAcrossKindsAndPages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a name in three kinds")
            << "王小明" << QStringList{"1/1/70", "3/4/7", "4/2/9"};
        QTest::newRow("full-width input, case ignored")
            << "ｗａｎｇ" << QStringList{"1/1/3", "1/10/1", "2/1/2"};
        QTest::newRow("half-width input finds full-width text")
            << "WANG 大" << QStringList{"1/10/1"};
        QTest::newRow("full-width digits in an address") << "123號" << QStringList{"2/1/2"};
        QTest::newRow("second line of a label") << "A區" << QStringList{"3/4/7"};
        QTest::newRow("blanks around the text") << "  陳美玲 " << QStringList{"1/2/5"};
        QTest::newRow("blank text finds nothing") << "  " << QStringList{};
        QTest::newRow("unsaved text on the shown page") << "新打的" << QStringList{"4/1/1"};
        QTest::newRow("the shown page's file is not searched") << "舊的名字" << QStringList{};
    }

    void findsAcrossKindsAndPages()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const Result result = search(QDir(m_dir.path()), text, m_shown);
        QCOMPARE(places(result), expected);
        QVERIFY(result.unreadableFiles.isEmpty());
    }

    void hitCarriesTheLabelsLines()
    {
        const Result result = search(QDir(m_dir.path()), QStringLiteral("李四"), m_shown);
        QCOMPARE(result.hits.size(), 1);
        QCOMPARE(result.hits[0].lines,
                 (QStringList{QStringLiteral("李四"), QStringLiteral("民國39年"),
                              QStringLiteral("台北市wang路１２３號")}));
    }

    void shownPageWithoutFileIsSearched()
    {
        ShownPage shown{3, 9, {}};
        shown.cells[69] = {QStringLiteral("張三")};
        const Result result = search(QDir(m_dir.path()), QStringLiteral("張三"), shown);
        QCOMPARE(places(result), QStringList{"3/9/70"});
        QVERIFY(!QFile::exists(pagePath(m_dir, 3, 9)));
    }

    void pagesInNumberOrder() { QCOMPARE(pagesOf(QDir(m_dir.path()), 1), (QList<int>{1, 2, 10})); }

    void filesAreOnlyRead()
    {
        const QMap<QString, QByteArray> before = folderBytes(m_dir);
        search(QDir(m_dir.path()), QStringLiteral("王"), m_shown);
        QCOMPARE(folderBytes(m_dir), before);
    }
};

QTEST_GUILESS_MAIN(TestLabelSearch)
#include "tst_labelsearch.moc"
