// Sheet page model and page files: cell positions, line access, file names,
// loading and saving 70 cells of four lines.
#include "sheet/labelkinds.h"
#include "sheet/sheetpage.h"

#include "tests/common/filefixture.h"
#include <QDir>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace SheetPage;

class TestSheetPage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void cellPosition_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("1 top left") << 1 << 0 << 0;
        QTest::newRow("5 top right") << 5 << 0 << 4;
        QTest::newRow("6 second row") << 6 << 1 << 0;
        QTest::newRow("7") << 7 << 1 << 1;
        QTest::newRow("70 bottom right") << 70 << 13 << 4;
    }

    void cellPosition()
    {
        QFETCH(int, cell);
        QFETCH(int, row);
        QFETCH(int, column);
        QCOMPARE(cellRow(cell), row);
        QCOMPARE(cellColumn(cell), column);
    }

    void lineAccess()
    {
        const QStringList cell{QStringLiteral("王小明")};
        QCOMPARE(lineOf(cell, 0), QStringLiteral("王小明"));
        QCOMPARE(lineOf(cell, 2), QString());
        QCOMPARE(lineOf({}, 0), QString());
    }

    void fileNames_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::newRow("kind 1 page 1") << 1 << 1 << "姓名1.ini";
        QTest::newRow("kind 2 page 12") << 2 << 12 << "地址12.ini";
        QTest::newRow("kind 3") << 3 << 4 << "座位4.ini";
        QTest::newRow("kind 4") << 4 << 1000 << "考試1000.ini";
        QTest::newRow("negative") << 1 << -2 << "姓名-2.ini";
    }

    void fileNames()
    {
        QFETCH(int, kind);
        QFETCH(int, page);
        QFETCH(QString, name);
        QCOMPARE(pageFileName(labelKind(kind)->stemText(), page), name);
    }

    void unstorableValueNamesItsCell()
    {
        const QString path = m_dir.filePath(QStringLiteral("姓名7.ini"));
        Cells cells;
        cells[0] = QStringList{QStringLiteral("林志明")};
        cells[11] = QStringList{QStringLiteral("王\n小明")};
        const FileResult failure = writePage(path, cells);
        QVERIFY(failure);
        QVERIFY2(failure->reason.contains(QStringLiteral("第 12 格")), qPrintable(failure->reason));
        QVERIFY(!QFile::exists(path));
    }

    void kindTable()
    {
        QVERIFY(!labelKind(0));
        QVERIFY(!labelKind(5));
        QCOMPARE(labelKind(2)->sections().size(), size_t(3));
        QCOMPARE(QString::fromUtf16(labelKind(2)->sections()[0].name), QStringLiteral("M2font1"));
        QVERIFY(labelKind(2)->showsPanel(StylePanel::Address));
        QVERIFY(!labelKind(3)->showsPanel(StylePanel::Address));
        QVERIFY(!labelKind(1)->showsPanel(StylePanel::ThirdField));
        QCOMPARE(labelKind(4)->thirdCaptionText(), QStringLiteral("考試"));
    }

    void missingFileLoadsEmptyAndCreatesNothing()
    {
        const QString path = m_dir.filePath(QStringLiteral("姓名9.ini"));
        const Cells cells = readPage(path);
        for (const QStringList &cell : cells)
            QCOMPARE(cell, QStringList(4, QString()));
        QVERIFY(!QFile::exists(path));
    }

    void fileWithOnlySection5()
    {
        const QString path = m_dir.filePath(QStringLiteral("姓名5.ini"));
        writeAll(path, "[5]\n0=林志明\n");
        const Cells cells = readPage(path);
        const QStringList expected{QStringLiteral("林志明"), QString(), QString(), QString()};
        QCOMPARE(cells[4], expected);
        for (int i = 0; i < CellCount; ++i) {
            if (i != 4)
                QCOMPARE(cells[i], QStringList(4, QString()));
        }
    }

    void emptyPageSavedFromScratch()
    {
        const QString path = m_dir.filePath(QStringLiteral("姓名3.ini"));
        QVERIFY(!writePage(path, Cells{}));
        QByteArray expected;
        for (int cell = 1; cell <= CellCount; ++cell)
            expected += "[" + QByteArray::number(cell) + "]\r\n0=\r\n1=\r\n2=\r\n3=\r\n";
        QCOMPARE(readAll(path), expected);
    }

    void saveAfterLoadKeepsEveryValue()
    {
        const QString path = m_dir.filePath(QStringLiteral("地址4.ini"));
        const QByteArray original(
            "; kept\n[2]\n1=民國六十年三月五日\n0=陳美玲\n3=第四行\n2=甲市乙區丙路1號\n[99]\n0=beyond\n");
        writeAll(path, original);
        const Cells cells = readPage(path);
        QCOMPARE(cells[1][3], QStringLiteral("第四行"));
        QVERIFY(!writePage(path, cells));
        QCOMPARE(readPage(path), cells);
        // The values stay where they were; the other cells are appended.
        QVERIFY(readAll(path).startsWith(original));
    }

    void strayCarriageReturnInAPage()
    {
        // Line 1 of cell 1 follows a carriage return of its own: it is a line
        // of its own, and saving the page keeps every byte of it.
        QByteArray original;
        for (int cell = 1; cell <= CellCount; ++cell)
            original += "[" + QByteArray::number(cell) + "]\r\n0=name-" + QByteArray::number(cell)
                + "\r\n1=\r\n2=\r\n3=\r\n";
        original.replace("0=name-1\r\n1=\r\n", "0=name-1\r1=line-b\r\n");
        const QString path = m_dir.filePath(QStringLiteral("姓名9.ini"));
        writeAll(path, original);
        Cells cells = readPage(path);
        QCOMPARE(cells[0],
                 (QStringList{QStringLiteral("name-1"), QStringLiteral("line-b"), QString(),
                              QString()}));
        QVERIFY(!writePage(path, cells));
        QCOMPARE(readAll(path), original);
        cells[0][1] = QStringLiteral("民國六十年");
        QVERIFY(!writePage(path, cells));
        QCOMPARE(readAll(path), QByteArray(original).replace("1=line-b", "1=民國六十年"));
    }

    void editedCellsRoundTrip()
    {
        const QString path = m_dir.filePath(QStringLiteral("地址1.ini"));
        Cells cells;
        cells[0] = {QStringLiteral("陳美玲"), QStringLiteral("民國六十年三月五日"),
                    QStringLiteral("甲市乙區丙路1號")};
        cells[1] = {QStringLiteral("林志明"), QStringLiteral("甲市乙區丁路8號")};
        cells[69] = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                     QStringLiteral("d"), QStringLiteral("not stored")};
        QVERIFY(!writePage(path, cells));
        const Cells back = readPage(path);
        QCOMPARE(back[0], cells[0] + QStringList(1, QString()));
        QCOMPARE(back[1], cells[1] + QStringList(2, QString()));
        QCOMPARE(back[69], cells[69].mid(0, 4));
    }

    void failedSaveReportsOnceAndKeepsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("姓名1.ini"));
        writeAll(path, "[1]\n0=舊\n");
        const auto saved = QFile::permissions(dir.path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        Cells cells;
        cells[0] = {QStringLiteral("新")};
        const FileResult result = writePage(path, cells);
        QFile::setPermissions(dir.path(), saved);
        QVERIFY(result);
        QCOMPARE(result->path, path);
        QCOMPARE(readAll(path), QByteArray("[1]\n0=舊\n"));
    }
};

QTEST_GUILESS_MAIN(TestSheetPage)
#include "tst_sheetpage.moc"
