// A paste or import that runs over several pages: one step of the undo
// history, stopped whole at a page it cannot write, and told at the next
// start when the program died while it wrote.
#include "sheet/sheetpage.h"
#include "tests/common/messagelog.h"
#include "tests/common/progresssteps.h"
#include "tests/common/workdir.h"
#include "tests/mainwindow/keyentry.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>

namespace {

const QString Marker = QStringLiteral("岑禾填入中.ini");

// The first line of every cell.
QStringList names(const SheetPage::Cells &cells)
{
    QStringList result;
    for (const QStringList &cell : cells)
        result.append(SheetPage::lineOf(cell, 0));
    return result;
}

QStringList namesOnFile(const WorkDir &dir, int page)
{
    return names(SheetPage::readPage(dir.path(QStringLiteral("姓名%1.ini").arg(page))));
}

QList<QStringList> pagesOnFile(const WorkDir &dir, int count)
{
    QList<QStringList> pages;
    for (int page = 1; page <= count; ++page)
        pages.append(namesOnFile(dir, page));
    return pages;
}

// "名first" to "名last", one a line, on the clipboard.
void copyRows(int first, int last)
{
    QStringList rows;
    for (int n = first; n <= last; ++n)
        rows.append(QStringLiteral("名%1").arg(n));
    QGuiApplication::clipboard()->setText(rows.join(u'\n'));
}

// Names 名first, 名first+1, ... in the cells from `cell` on, the rest empty.
QStringList rowsFrom(int cell, int first, int count)
{
    QStringList cells(SheetPage::CellCount);
    for (int i = 0; i < count; ++i)
        cells[cell - 1 + i] = QStringLiteral("名%1").arg(first + i);
    return cells;
}

} // namespace

class TestFillAcrossPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Ctrl+Z takes a three-page paste back from every page's file and shows
    // the page where it started as it was, unsaved edit included; Ctrl+Y
    // writes it again.
    void aFillAcrossPagesIsOneUndoStep()
    {
        Session session(1,
                        {{QStringLiteral("姓名1.ini"), section(1, QStringLiteral("王小明"))},
                         {QStringLiteral("姓名2.ini"), section(5, QStringLiteral("已有"))}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        session.key(Qt::Key_Right);
        DialogAnswer typed(session.editor,
                           [](QWidget *focus) { typeAndConfirm(focus, QStringLiteral("林")); });
        session.key(Qt::Key_Return);
        QVERIFY(typed.ran);
        QCOMPARE(session.grid()->currentCell(), 3);
        const QStringList shownBefore = names(session.grid()->contents());
        const QList<QStringList> filesBefore = pagesOnFile(session.dir, 3);

        copyRows(1, 150);
        session.key(Qt::Key_V, Qt::ControlModifier);
        // 68 rows on page 1, 69 around the label on page 2, 13 on page 3.
        QCOMPARE(session.window.page(), 3);
        QCOMPARE(names(session.grid()->contents()), rowsFrom(1, 138, 13));
        QCOMPARE(session.grid()->currentCell(), 14);
        QVERIFY(!session.window.hasUnsavedChanges());
        const QList<QStringList> filesAfter = pagesOnFile(session.dir, 3);
        QCOMPARE(
            filesAfter[0].mid(0, 3),
            (QStringList{QStringLiteral("王小明"), QStringLiteral("林"), QStringLiteral("名1")}));
        QCOMPARE(filesAfter[1][4], QStringLiteral("已有"));
        QCOMPARE(filesAfter[1][69], QStringLiteral("名137"));
        QCOMPARE(filesAfter[2], rowsFrom(1, 138, 13));
        QVERIFY(!session.dir.exists(Marker));

        session.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(session.window.page(), 1);
        QCOMPARE(names(session.grid()->contents()), shownBefore);
        QCOMPARE(session.grid()->currentCell(), 3);
        QCOMPARE(pagesOnFile(session.dir, 3), filesBefore);
        QVERIFY(session.window.hasUnsavedChanges()); // 林 was never saved
        session.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(session.name(2), QString());
        QVERIFY(!session.window.hasUnsavedChanges());

        session.key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(session.name(2), QStringLiteral("林"));
        session.key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(session.window.page(), 3);
        QCOMPARE(names(session.grid()->contents()), rowsFrom(1, 138, 13));
        QCOMPARE(pagesOnFile(session.dir, 3), filesAfter);
        QVERIFY(!session.window.hasUnsavedChanges());
        QVERIFY(session.messages.shown.isEmpty());
        QVERIFY(!session.dir.exists(Marker));
    }

    void aFillStopsAtAPageItCannotWrite_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("folder in its place") << "folder";
        QTest::newRow("file too large") << "large";
    }

    // Pages before it are written, nothing after it, and the message names
    // the file and exactly the rows not stored.
    void aFillStopsAtAPageItCannotWrite()
    {
        QFETCH(QString, how);
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        const QString third = QStringLiteral("姓名3.ini");
        const QByteArray large((2 << 20) + 1, 'x');
        if (how == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(session.dir.path(third)));
        else
            session.dir.write(third, large);

        copyRows(1, 300);
        session.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(session.window.page(), 2);
        QCOMPARE(namesOnFile(session.dir, 1), rowsFrom(1, 1, 70));
        QCOMPARE(namesOnFile(session.dir, 2), rowsFrom(1, 71, 70));
        QCOMPARE(names(session.grid()->contents()), rowsFrom(1, 71, 70));
        if (how == QLatin1String("folder"))
            QVERIFY(QFileInfo(session.dir.path(third)).isDir());
        else
            QCOMPARE(session.dir.read(third), large);
        QVERIFY(!session.dir.exists(QStringLiteral("姓名4.ini")));
        QVERIFY(!session.dir.exists(Marker));
        QCOMPARE(session.messages.shown.size(), 1);
        const QString text = session.messages.shown[0].text;
        QVERIFY2(text.contains(third), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("第 141–300 列未貼上；第 1 頁到第 2 頁已寫入。")),
                 qPrintable(text));
        QCOMPARE(session.messages.shownUnderProgress, 0);

        // What was written is one step.
        session.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(session.window.page(), 1);
        QCOMPARE(namesOnFile(session.dir, 1), QStringList(SheetPage::CellCount));
        QCOMPARE(namesOnFile(session.dir, 2), QStringList(SheetPage::CellCount));
    }

    // One page written is named as one page.
    void aFillStoppedAfterOnePageNamesThatPage()
    {
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QVERIFY(QDir().mkdir(session.dir.path(QStringLiteral("姓名2.ini"))));

        copyRows(1, 300);
        session.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(namesOnFile(session.dir, 1), rowsFrom(1, 1, 70));
        QCOMPARE(session.messages.shown.size(), 1);
        const QString text = session.messages.shown[0].text;
        QVERIFY2(text.endsWith(QStringLiteral("第 71–300 列未貼上；第 1 頁已寫入。")),
                 qPrintable(text));
    }

    void anUndoThatCannotWriteAPageChangesNothing_data()
    {
        QTest::addColumn<bool>("undo");
        QTest::newRow("Ctrl+Z") << true;
        QTest::newRow("Ctrl+Y") << false;
    }

    // The pages it had written are put back, the history stays where it
    // was, and once the file can be written the same key works.
    void anUndoThatCannotWriteAPageChangesNothing()
    {
        QFETCH(bool, undo);
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        copyRows(1, 150);
        session.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(session.window.page(), 3);
        if (!undo)
            session.key(Qt::Key_Z, Qt::ControlModifier);
        const int shown = session.window.page();
        const QList<QStringList> files = pagesOnFile(session.dir, 3);
        const QString second = session.dir.path(QStringLiteral("姓名2.ini"));
        const auto writable = QFile::permissions(second);
        QFile::setPermissions(second, QFile::ReadOwner);

        const int key = undo ? Qt::Key_Z : Qt::Key_Y;
        session.key(key, Qt::ControlModifier);
        QCOMPARE(session.window.page(), shown);
        QCOMPARE(pagesOnFile(session.dir, 3), files);
        QVERIFY(!session.window.hasUnsavedChanges());
        QCOMPARE(session.messages.shown.size(), 1);
        const QString text = session.messages.shown[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("寫入錯誤")) && text.contains(second),
                 qPrintable(text));
        QVERIFY2(text.endsWith(undo ? QStringLiteral("未能復原「貼上」，各頁維持原狀。")
                                    : QStringLiteral("未能取消復原「貼上」，各頁維持原狀。")),
                 qPrintable(text));
        QVERIFY(!session.dir.exists(Marker));

        QFile::setPermissions(second, writable);
        session.key(key, Qt::ControlModifier);
        QCOMPARE(session.window.page(), undo ? 1 : 3);
        QCOMPARE(namesOnFile(session.dir, 2),
                 undo ? QStringList(SheetPage::CellCount) : rowsFrom(1, 71, 70));
        QCOMPARE(session.messages.shown.size(), 1);
    }

    void anUndoCutShortWithNoWayBackEndsTheHistory_data()
    {
        anUndoThatCannotWriteAPageChangesNothing_data();
    }

    // Page 3 cannot be written, and page 1, written a moment before, cannot
    // be put back: the pages stay as they are, the messages say which hold
    // what, and the history ends.
    void anUndoCutShortWithNoWayBackEndsTheHistory()
    {
        QFETCH(bool, undo);
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        copyRows(1, 150);
        session.key(Qt::Key_V, Qt::ControlModifier);
        if (!undo)
            session.key(Qt::Key_Z, Qt::ControlModifier);
        const int shown = session.window.page();
        const QStringList shownNames = names(session.grid()->contents());
        const QList<QStringList> files = pagesOnFile(session.dir, 3);
        const QStringList empty(SheetPage::CellCount);
        const QList<QStringList> pasted{rowsFrom(1, 1, 70), rowsFrom(1, 71, 70),
                                        rowsFrom(1, 141, 10)};
        QCOMPARE(files, undo ? pasted : (QList<QStringList>{empty, empty, empty}));
        bool locked = false;
        const ProgressSteps steps([&](QProgressDialog *, int done) {
            if (done != 2 || locked)
                return;
            locked = true; // pages 1 and 2 are written
            for (const char *page : {"姓名1.ini", "姓名3.ini"})
                QFile::setPermissions(session.dir.path(QString::fromUtf8(page)), QFile::ReadOwner);
        });

        session.key(undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(locked);
        QCOMPARE(session.window.page(), shown);
        QCOMPARE(names(session.grid()->contents()), shownNames);
        QList<QStringList> expected = undo ? QList<QStringList>{empty, empty, pasted[2]}
                                           : QList<QStringList>{pasted[0], pasted[1], empty};
        QCOMPARE(pagesOnFile(session.dir, 3), expected);
        // Undone, page 1 shows what its file held before the paste; its
        // file now holds the paste's page, so leaving it saves it.
        QCOMPARE(session.window.hasUnsavedChanges(), !undo);
        const QStringList texts = session.messages.texts();
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[0].contains(QStringLiteral("姓名3.ini")), qPrintable(texts[0]));
        QVERIFY2(texts[1].contains(QStringLiteral("姓名1.ini")), qPrintable(texts[1]));
        QVERIFY2(
            texts[1].endsWith(QStringLiteral("「%1貼上」只完成一部分：第 1 頁到第 2 頁已寫入，"
                                             "其餘各頁未變；之前的編輯無法再復原。")
                                  .arg(undo ? QStringLiteral("復原") : QStringLiteral("取消復原"))),
            qPrintable(texts[1]));
        QVERIFY(!session.dir.exists(Marker));
        session.key(Qt::Key_Z, Qt::ControlModifier);
        session.key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(session.window.page(), shown);
        QCOMPARE(session.messages.shown.size(), 2);
    }

    // The program killed while a paste writes its pages (the helper dies
    // once three of them are written): the next start says where it stopped,
    // once.
    void aFillCutShortIsToldAtTheNextStart()
    {
        WorkDir dir;
        QProcess killed;
        killed.start(QStringLiteral(KILLEDFILL_PATH), {dir.path(QString())});
        QVERIFY(killed.waitForFinished(60000));
        QCOMPARE(killed.exitCode(), 9);
        QCOMPARE(namesOnFile(dir, 3), rowsFrom(1, 141, 70));
        QVERIFY(!dir.exists(QStringLiteral("姓名4.ini")));
        QVERIFY(dir.exists(Marker));

        // A start in read-only mode may be beside a copy that is filling
        // right now: it says nothing and leaves the marker.
        const QString told =
            QStringLiteral("上次填入於第 1 頁中斷（貼上，姓名1.ini 到 姓名400.ini），"
                           "已寫入第 1–3 頁，至第 210 列。");
        const QList<std::pair<bool, QStringList>> starts{{true, {}}, {false, {told}}, {false, {}}};
        for (const auto &[readOnly, messagesTold] : starts) {
            MessageLog messages;
            MainWindow window;
            if (readOnly)
                window.setReadOnly();
            window.show();
            window.startUp();
            QCOMPARE(messages.texts(), messagesTold);
            QCOMPARE(dir.exists(Marker), readOnly);
        }
    }
};

QTEST_MAIN(TestFillAcrossPages)
#include "tst_fillacrosspages.moc"
