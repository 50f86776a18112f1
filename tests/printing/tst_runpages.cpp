// A print run of many pages: which pages it takes and from where, the order
// of their sheets, the status line, and output that is cancelled or fails
// leaving nothing behind.
#include "composition/labelfonts.h"
#include "composition/pageoutput.h"
#include "printrun/printrun.h"
#include "printrun/runpages.h"
#include "tests/common/filefixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Stem = QStringLiteral("地址");

QString nameOn(int page, int cell)
{
    return QStringLiteral("頁%1名%2").arg(page).arg(cell);
}

SheetPage::Cells filledPage(int page)
{
    SheetPage::Cells cells;
    for (int cell = 1; cell <= SheetPage::CellCount; ++cell)
        cells[cell - 1] = {nameOn(page, cell), QStringLiteral("民國%1年").arg(cell),
                           QStringLiteral("台北市%1號").arg(cell)};
    return cells;
}

LabelTemplate kindTwo(double topMarginMm)
{
    return *PrintRun::preparedTemplate(2, {topMarginMm, 5}, {QStringLiteral("標楷體"), 20, 0},
                                       {QStringLiteral("標楷體"), 8, 0},
                                       {QStringLiteral("標楷體"), 8, 0});
}

// The page and the first cell each sheet shows, as "page:cell".
QStringList sheetStarts(const SheetRun &run)
{
    QStringList starts;
    run.forEachSheet(1, run.sheetCount(), [&](const ComposedPage &sheet) {
        const QString first = sheet.labels.first().boxes.first().text;
        starts.append(first.mid(1).replace(QStringLiteral("名"), QStringLiteral(":")));
        return true;
    });
    return starts;
}

} // namespace

class TestRunPages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void writePages(const QList<int> &pages) const
    {
        for (int page : pages)
            QVERIFY(!SheetPage::writePage(m_dir.filePath(SheetPage::pageFileName(Stem, page)),
                                          filledPage(page)));
    }

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void init()
    {
        QDir dir(m_dir.path());
        for (const QString &file : dir.entryList(QDir::Files))
            dir.remove(file);
    }

    // At 3.41 mm from the top the last row of each page moves to a second
    // sheet, which follows its own page before the next page starts.
    void overflowSheetsFollowTheirPage()
    {
        writePages({1, 2, 3});
        const std::optional<PrintRun::RunPages> pages =
            PrintRun::collectPages(m_dir.path(), Stem, 1, 3, std::nullopt);
        QVERIFY(pages);
        const SheetRun::Built built = PrintRun::composeRun(kindTwo(3.41), *pages);
        QCOMPARE(built.status, CompositionStatus::Composed);
        QCOMPARE(sheetStarts(built.run),
                 QStringList({"1:1", "1:66", "2:1", "2:66", "3:1", "3:66"}));
        QCOMPARE(PrintRun::runSummary(*pages, built.run.sheetCount()),
                 QStringLiteral("第 1–3 頁，共 6 張"));
    }

    void emptyAndMissingPagesAreLeftOutAndNamed()
    {
        writePages({3, 4, 5, 6, 8, 12});
        QVERIFY(!SheetPage::writePage(m_dir.filePath(SheetPage::pageFileName(Stem, 7)), {}));
        QDir(m_dir.path()).mkdir(SheetPage::pageFileName(Stem, 10)); // cannot be read as a file
        const std::optional<PrintRun::RunPages> pages =
            PrintRun::collectPages(m_dir.path(), Stem, 3, 12, std::nullopt);
        QVERIFY(pages);
        QCOMPARE(pages->empty, QList<int>({7, 9, 11}));
        QCOMPARE(pages->unreadable.size(), 1);
        QCOMPARE(pages->unreadable.first().number, 10);
        const SheetRun::Built built = PrintRun::composeRun(kindTwo(2), *pages);
        QCOMPARE(sheetStarts(built.run), QStringList({"3:1", "4:1", "5:1", "6:1", "8:1", "12:1"}));
        const QString summary = PrintRun::runSummary(*pages, built.run.sheetCount());
        QVERIFY2(summary.startsWith(QStringLiteral(
                     "第 3–12 頁，共 6 張，第 7、9、11 頁無資料，第 10 頁無法讀取（")),
                 qPrintable(summary));
    }

    // A page whose cells hold only blanks, ideographic spaces among them,
    // has nothing to print: it is left out like an empty one.
    void pageOfBlanksIsLeftOut_data()
    {
        QTest::addColumn<QString>("blank");
        QTest::newRow("ideographic space") << QStringLiteral("\u3000");
        QTest::newRow("spaces and a tab") << QStringLiteral("  \t ");
        QTest::newRow("mixed") << QStringLiteral(" \u3000\u3000 ");
    }

    void pageOfBlanksIsLeftOut()
    {
        QFETCH(QString, blank);
        writePages({1, 3});
        SheetPage::Cells blanks;
        for (QStringList &cell : blanks)
            cell = {blank, QString(), blank};
        QVERIFY(!SheetPage::writePage(m_dir.filePath(SheetPage::pageFileName(Stem, 2)), blanks));
        const std::optional<PrintRun::RunPages> pages =
            PrintRun::collectPages(m_dir.path(), Stem, 1, 3, std::nullopt);
        QCOMPARE(pages->empty, QList<int>{2});
        QCOMPARE(sheetStarts(PrintRun::composeRun(kindTwo(2), *pages).run),
                 QStringList({"1:1", "3:1"}));
        const std::optional<PrintRun::RunPages> shown =
            PrintRun::collectPages(m_dir.path(), Stem, 1, 3, PrintRun::ShownPage{2, blanks});
        QCOMPARE(shown->empty, QList<int>{2});
    }

    // The shown page comes from the cells on screen, even where its file
    // says otherwise or does not exist.
    void shownPageComesFromTheScreen()
    {
        writePages({2, 3});
        SheetPage::Cells unsaved = filledPage(99);
        const std::optional<PrintRun::RunPages> pages =
            PrintRun::collectPages(m_dir.path(), Stem, 2, 4, PrintRun::ShownPage{2, unsaved});
        QCOMPARE(sheetStarts(PrintRun::composeRun(kindTwo(2), *pages).run),
                 QStringList({"99:1", "3:1"}));
        QCOMPARE(pages->empty, QList<int>{4});

        // Alone, the shown page prints even without text, as always.
        const std::optional<PrintRun::RunPages> alone =
            PrintRun::collectPages(m_dir.path(), Stem, 5, 5, PrintRun::ShownPage{5, {}});
        QCOMPARE(alone->pages.size(), 1);
        QCOMPARE(PrintRun::lastPageOfRun(5, 0), 5);
        QCOMPARE(PrintRun::lastPageOfRun(5, 1), 5);
        QCOMPARE(PrintRun::lastPageOfRun(5, 10), 14);
    }

    void cancelledPdfLeavesNoFile()
    {
        writePages({1, 2, 3});
        const std::optional<PrintRun::RunPages> pages =
            PrintRun::collectPages(m_dir.path(), Stem, 1, 3, std::nullopt);
        const SheetRun run = PrintRun::composeRun(kindTwo(2), *pages).run;
        const QString fresh = m_dir.filePath(QStringLiteral("new.pdf"));
        const OutputResult cancelled =
            writeSheetsPdf(fresh, run, {}, [](int done, int) { return done < 2; });
        QCOMPARE(cancelled.status, OutputResult::Status::Cancelled);
        QVERIFY(!QFile::exists(fresh));

        const QString old = m_dir.filePath(QStringLiteral("old.pdf"));
        writeAll(old, "%PDF-1.4 kept");
        const OutputResult replacing = writeSheetsPdf(old, run, {}, [](int, int) { return false; });
        QCOMPARE(replacing.status, OutputResult::Status::Cancelled);
        QCOMPARE(readAll(old), QByteArray("%PDF-1.4 kept"));
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.pdf*")}, QDir::Files),
                 QStringList{"old.pdf"});

        const OutputResult failed =
            writeSheetsPdf(QStringLiteral("/nonexistent-folder/x.pdf"), run, {});
        QCOMPARE(failed.status, OutputResult::Status::Failed);
        QCOMPARE(failed.failure.path, QStringLiteral("/nonexistent-folder/x.pdf"));
        QVERIFY(!failed.failure.reason.isEmpty());
    }

    void cancelledReadingGivesNothing()
    {
        QVERIFY(!PrintRun::collectPages(m_dir.path(), Stem, 1, 50, std::nullopt,
                                        [](int done, int) { return done < 3; }));
    }
};

QTEST_MAIN(TestRunPages)
#include "tst_runpages.moc"
