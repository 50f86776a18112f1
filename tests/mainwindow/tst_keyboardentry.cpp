// Entry from the keyboard on the shown window: the current cell and its
// keys, the editing loop across a page end, clear, copy, cut, paste from the
// clipboard and the undo history, all through key events and the real focus.
#include "editing/labeldialog.h"
#include "frontend/filedialogs.h"
#include "lists/listrows.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/listimportdialog.h"
#include "mainwindow/mainwindow.h"
#include "sheet/sheetpage.h"
#include "tests/common/messagelog.h"
#include "tests/common/progresssteps.h"
#include "tests/common/seamguards.h"
#include "tests/common/startedwindow.h"
#include "tests/common/workdir.h"
#include "tests/lists/xlsxfixture.h"
#include "tests/mainwindow/keyentry.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>
#include <QWindow>

class TestKeyboardEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gridHasFocusAtStartAndKeysMoveTheCurrentCell_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("to");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("right") << 7 << int(Qt::Key_Right) << none << 8;
        QTest::newRow("left") << 7 << int(Qt::Key_Left) << none << 6;
        QTest::newRow("down") << 7 << int(Qt::Key_Down) << none << 12;
        QTest::newRow("up") << 7 << int(Qt::Key_Up) << none << 2;
        QTest::newRow("left edge") << 6 << int(Qt::Key_Left) << none << 6;
        QTest::newRow("right edge") << 5 << int(Qt::Key_Right) << none << 5;
        QTest::newRow("top edge") << 3 << int(Qt::Key_Up) << none << 3;
        QTest::newRow("bottom edge") << 68 << int(Qt::Key_Down) << none << 68;
        QTest::newRow("home") << 9 << int(Qt::Key_Home) << none << 6;
        QTest::newRow("end") << 7 << int(Qt::Key_End) << none << 10;
        QTest::newRow("ctrl home") << 43 << int(Qt::Key_Home) << ctrl << 1;
        QTest::newRow("ctrl end") << 7 << int(Qt::Key_End) << ctrl << 70;
    }

    void gridHasFocusAtStartAndKeysMoveTheCurrentCell()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, to);
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QCOMPARE(QApplication::focusWidget(), session.grid());
        QCOMPARE(session.grid()->currentCell(), 1);
        QCOMPARE(session.grid()->cell(1)->mark(), LabelCell::Mark::Current);
        session.goTo(from);
        session.key(key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(session.grid()->currentCell(), to);
        QCOMPARE(session.grid()->cell(to)->mark(), LabelCell::Mark::Current);
        QCOMPARE(session.grid()->cell(1)->mark(),
                 to == 1 ? LabelCell::Mark::Current : LabelCell::Mark::None);
        QVERIFY(session.messages.shown.isEmpty());
    }

    void keyboardLoopEntersLabelsAndTurnsThePageAfterCellSeventy()
    {
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        session.key(Qt::Key_End, Qt::ControlModifier);
        session.key(Qt::Key_Left);
        session.key(Qt::Key_Left);

        // Typing on the grid starts the name; Enter confirms.
        DialogAnswer typed(session.editor,
                           [](QWidget *focus) { typeAndConfirm(focus, QStringLiteral("志明")); });
        typeText(session.grid(), QStringLiteral("林"));
        QVERIFY(typed.ran);
        QCOMPARE(session.grid()->currentCell(), 69);

        // Enter opens the dialog on the current cell.
        DialogAnswer opened(session.editor, [](QWidget *focus) {
            typeAndConfirm(focus, QStringLiteral("王小明"));
        });
        session.key(Qt::Key_Return);
        QVERIFY(opened.ran);

        // An input method's commit starts the name as typing does.
        DialogAnswer composed(session.editor,
                              [](QWidget *focus) { typeAndConfirm(focus, QStringLiteral("玲")); });
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("陳美"));
        QApplication::sendEvent(session.focus(), &commit);
        QVERIFY(composed.ran);

        QCOMPARE(session.window.page(), 2);
        QCOMPARE(session.grid()->currentCell(), 1);
        QCOMPARE(session.focus(), session.grid());
        const QByteArray saved = session.page(1);
        QVERIFY(saved.contains("[68]\r\n0=林志明\r\n"));
        QVERIFY(saved.contains("[69]\r\n0=王小明\r\n"));
        QVERIFY(saved.contains("[70]\r\n0=陳美玲\r\n"));
        QCOMPARE(session.name(70), QString());
        QVERIFY(!session.window.hasUnsavedChanges());
        QVERIFY(session.messages.shown.isEmpty());
    }

    // A window manager hands the keyboard to a new dialog a moment after it
    // is shown and back to the main window a moment after it closes; keys
    // typed meanwhile still arrive at the window that had it. These keys are
    // sent the way the platform sends them, to the window, not to a widget.
    void keysTypedWhileTheDialogOpensAndClosesAreKept()
    {
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QWindow *main = session.window.windowHandle();
        int cellClicks = 0;
        connect(session.grid(), &CellGrid::cellClicked, this, [&] { ++cellClicks; });
        bool opened = false;
        QTimer::singleShot(0, &session.editor, [&] {
            opened = session.editor.isVisible();
            // Still the main window's keys: the rest of the name, then Enter.
            typeIntoWindow(main, QStringLiteral("小華"));
            // A click on the main window waits until the dialog is closed.
            LabelCell *other = session.grid()->cell(9);
            QTest::mouseClick(main, Qt::LeftButton, {},
                              other->mapTo(&session.window, other->rect().center()));
            QTest::sendKeyEvent(QTest::Click, main, Qt::Key_Return, QString(), Qt::NoModifier);
        });
        {
            const OpenDialogGuard guard(session.editor);
            typeIntoWindow(main, QStringLiteral("林"));
        }
        QVERIFY(opened);
        QCOMPARE(session.name(1), QStringLiteral("林小華"));
        QCOMPARE(cellClicks, 0);
        QCOMPARE(session.grid()->currentCell(), 2);

        // The next name typed before the keyboard is back reaches the
        // closed dialog's window: it starts cell 2 as typing on the grid does.
        DialogAnswer next(session.editor,
                          [](QWidget *focus) { typeAndConfirm(focus, QStringLiteral("大明")); });
        typeIntoWindow(session.editor.windowHandle(), QStringLiteral("王"));
        QVERIFY(next.ran);
        QCOMPARE(session.name(2), QStringLiteral("王大明"));
        QVERIFY(session.messages.shown.isEmpty());
    }

    void inputMethodTextWhileTheDialogIsOpenReachesItOnce_data()
    {
        QTest::addColumn<bool>("toGrid");
        QTest::newRow("committed to the grid") << true;
        QTest::newRow("committed to the main window") << false;
    }

    // An input method commits its text to the widget it last saw focused,
    // not through the window: text committed to the grid or the main window
    // before the dialog has the keyboard goes into its field, in order with
    // the keys, and no second dialog opens inside the first.
    void inputMethodTextWhileTheDialogIsOpenReachesItOnce()
    {
        QFETCH(bool, toGrid);
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QWindow *main = session.window.windowHandle();
        QWidget *committedTo = toGrid ? static_cast<QWidget *>(session.grid()) : &session.window;
        int closed = 0;
        connect(&session.editor, &QDialog::finished, this, [&] { ++closed; });
        bool opened = false;
        QTimer::singleShot(0, &session.editor, [&] {
            opened = session.editor.isVisible();
            typeIntoWindow(main, QStringLiteral("小"));
            QInputMethodEvent commit;
            commit.setCommitString(QStringLiteral("華"));
            QApplication::sendEvent(committedTo, &commit);
            typeIntoWindow(main, QStringLiteral("明"));
            QTest::sendKeyEvent(QTest::Click, main, Qt::Key_Return, QString(), Qt::NoModifier);
        });
        {
            const OpenDialogGuard guard(session.editor);
            typeIntoWindow(main, QStringLiteral("林"));
        }
        QVERIFY(opened);
        QCOMPARE(closed, 1);
        QVERIFY(!session.editor.isVisible());
        QCOMPARE(session.name(1), QStringLiteral("林小華明"));
        QCOMPARE(session.name(2), QString());
        QCOMPARE(session.grid()->currentCell(), 2);
        QVERIFY(session.messages.shown.isEmpty());
    }

    void escapeCancelsAndKeepsTheCurrentCell()
    {
        Session session(1, {{QStringLiteral("姓名1.ini"), section(4, QStringLiteral("王小明"))}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        session.goTo(4);
        DialogAnswer cancelled(session.editor, [](QWidget *focus) {
            QCOMPARE(qobject_cast<QLineEdit *>(focus)->selectedText(), QStringLiteral("王小明"));
            typeText(focus, QStringLiteral("林"));
            QTest::keyClick(focus, Qt::Key_Escape);
        });
        session.key(Qt::Key_F2);
        QVERIFY(cancelled.ran);
        QCOMPARE(session.name(4), QStringLiteral("王小明"));
        QCOMPARE(session.grid()->currentCell(), 4);
        QVERIFY(!session.window.hasUnsavedChanges());
    }

    void mouseClickMakesTheCellCurrentAndAClickedLastCellStaysOnThePage()
    {
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        DialogAnswer answer(session.editor,
                            [](QWidget *focus) { typeAndConfirm(focus, QStringLiteral("林")); });
        LabelCell *last = session.grid()->cell(70);
        QTest::mouseClick(last, Qt::LeftButton);
        QVERIFY(answer.ran);
        QCOMPARE(session.name(70), QStringLiteral("林"));
        QCOMPARE(session.window.page(), 1);
        QCOMPARE(session.grid()->currentCell(), 70);
        QVERIFY(!session.dir.exists(QStringLiteral("姓名1.ini")));
    }

    void pageKeysTurnPagesWithTheSaveAndCtrlSSaves()
    {
        Session session(1, {{QStringLiteral("姓名2.ini"), section(1, QStringLiteral("第二頁"))}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        session.grid()->cell(3)->setLines({QStringLiteral("林")});
        session.key(Qt::Key_S,
                    Qt::ControlModifier); // clicks 存檔 as a shortcut does, shortly after
        QTRY_VERIFY(session.page(1).contains("[3]\r\n0=林\r\n"));
        session.grid()->cell(3)->setLines({QStringLiteral("王")});
        session.key(Qt::Key_PageDown);
        QCOMPARE(session.window.page(), 2);
        QVERIFY(session.page(1).contains("[3]\r\n0=王\r\n"));
        QCOMPARE(session.name(1), QStringLiteral("第二頁"));
        session.key(Qt::Key_PageUp);
        QCOMPARE(session.window.page(), 1);
        QCOMPARE(session.name(3), QStringLiteral("王"));
        QCOMPARE(QApplication::focusWidget(), session.grid());
    }

    void deleteCopyAndCut()
    {
        Session session(2,
                        {{QStringLiteral("地址1.ini"),
                          "[1]\r\n0=林志明\r\n1=甲子年\r\n2=台北市\r\n"
                          "[2]\r\n0=王小明\r\n2=高雄市\r\n[3]\r\n0=陳美玲\r\n"}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QClipboard *clipboard = QGuiApplication::clipboard();
        session.key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("林志明\t甲子年\t台北市"));
        QCOMPARE(session.name(1), QStringLiteral("林志明"));
        QVERIFY(!session.window.hasUnsavedChanges());

        session.key(Qt::Key_Right);
        session.key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("王小明\t\t高雄市"));
        QCOMPARE(session.name(2), QString());
        QVERIFY(session.window.hasUnsavedChanges());

        session.key(Qt::Key_Right);
        session.key(Qt::Key_Delete);
        QCOMPARE(session.name(3), QString());
        QCOMPARE(clipboard->text(), QStringLiteral("王小明\t\t高雄市"));
        session.key(Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(session.page(1).contains("[3]\r\n0=\r\n1=\r\n2=\r\n3=\r\n"));
    }

    void pasteFillsFromTheCurrentCellOntoTheNextPage_data()
    {
        QTest::addColumn<UserMessages::Answer>("answer");
        QTest::newRow("是") << UserMessages::Answer::Yes;
        QTest::newRow("否") << UserMessages::Answer::No;
    }

    void pasteFillsFromTheCurrentCellOntoTheNextPage()
    {
        QFETCH(UserMessages::Answer, answer);
        Session session(2,
                        {{QStringLiteral("地址1.ini"), section(10, QStringLiteral("舊的"))},
                         {QStringLiteral("地址2.ini"), section(2, QStringLiteral("已有"))}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QStringList rows;
        for (int n = 1; n <= 75; ++n)
            rows.append(QStringLiteral("名%1\t生辰%1\t地址%1").arg(n));
        QGuiApplication::clipboard()->setText(rows.join(QStringLiteral("\r\n"))
                                              + QStringLiteral("\r\n"));
        session.goTo(3);
        session.messages.answer = answer;
        session.key(Qt::Key_V, Qt::ControlModifier);

        QCOMPARE(session.messages.shown.size(), 1);
        QCOMPARE(session.messages.shown[0].text,
                 QStringLiteral("將覆蓋 1 個已有資料的標籤，是否繼續?"));
        if (answer == UserMessages::Answer::No) {
            QCOMPARE(session.window.page(), 1);
            QCOMPARE(session.name(3), QString());
            QCOMPARE(session.name(10), QStringLiteral("舊的"));
            QVERIFY(!session.dir.exists(QStringLiteral("地址3.ini")));
            return;
        }
        // 68 rows in cells 3 to 70 of page 1; the other 7 in the empty
        // cells of page 2, shown. Both are saved.
        const QByteArray first = session.page(1);
        QVERIFY(first.contains("[3]\r\n0=名1\r\n1=生辰1\r\n2=地址1\r\n"));
        QVERIFY(first.contains("[10]\r\n0=名8\r\n"));
        QVERIFY(first.contains("[70]\r\n0=名68\r\n1=生辰68\r\n2=地址68\r\n"));
        QVERIFY(first.contains("[1]\r\n0=\r\n"));
        QCOMPARE(session.window.page(), 2);
        QCOMPARE(session.lines(1),
                 (QStringList{QStringLiteral("名69"), QStringLiteral("生辰69"),
                              QStringLiteral("地址69")}));
        QCOMPARE(session.name(2), QStringLiteral("已有"));
        QCOMPARE(session.name(3), QStringLiteral("名70"));
        QCOMPARE(session.name(8), QStringLiteral("名75"));
        QCOMPARE(session.name(9), QString());
        QCOMPARE(session.grid()->currentCell(), 9);
        const QByteArray second = session.page(2);
        QVERIFY(second.contains("[1]\r\n0=名69\r\n1=生辰69\r\n2=地址69\r\n"));
        QVERIFY(second.contains("[8]\r\n0=名75\r\n"));
        QVERIFY(!session.window.hasUnsavedChanges());
    }

    // A paste that runs over a damaged page file between the first and the
    // last page keeps the file's old bytes beside it and says so, as a
    // page turn does.
    void aFillThroughADamagedPageTellsOfItsCopy()
    {
        QByteArray damaged =
            QStringEncoder("windows-950").encode(QStringLiteral("[5]\r\n0=已有\r\n"));
        damaged.append('\xA4'); // a stray byte at the end
        Session session(1, {{QStringLiteral("姓名2.ini"), damaged}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QStringList rows;
        for (int n = 1; n <= 150; ++n)
            rows.append(QStringLiteral("名%1").arg(n));
        QGuiApplication::clipboard()->setText(rows.join(u'\n'));
        session.key(Qt::Key_V, Qt::ControlModifier);

        QCOMPARE(session.window.page(), 3);
        const QStringList copies =
            QDir(session.dir.path(QString())).entryList({QStringLiteral("姓名2.ini.損毀備份-*")});
        QCOMPARE(copies.size(), 1);
        QCOMPARE(session.dir.read(copies[0]), damaged);
        // Later pages fill only their empty cells.
        const SheetPage::Cells second =
            SheetPage::readPage(session.dir.path(QStringLiteral("姓名2.ini")));
        QCOMPARE(second[4].value(0), QStringLiteral("已有"));
        QCOMPARE(second[5].value(0), QStringLiteral("名75"));
        QCOMPARE(session.messages.shown.size(), 1);
        QVERIFY(session.messages.shown[0].text.contains(QStringLiteral("姓名2.ini"))
                && session.messages.shown[0].text.contains(copies[0]));
        QCOMPARE(session.messages.shownUnderProgress, 0);
    }

    // Cancelling a long fill keeps the pages written so far, shows the last
    // of them and says so once the progress dialog is gone. The dialog shows
    // at once here and is cancelled after the fifth page, so that neither a
    // fast disk nor a slow one changes what happens.
    void cancellingAFillKeepsThePagesWrittenSoFar()
    {
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QStringList rows;
        for (int n = 1; n <= 400 * SheetPage::CellCount; ++n)
            rows.append(QStringLiteral("名%1").arg(n));
        QGuiApplication::clipboard()->setText(rows.join(u'\n'));
        const ProgressSteps steps([](QProgressDialog *dialog, int done) {
            if (done == 5)
                ProgressSteps::cancel(dialog);
        });
        session.key(Qt::Key_V, Qt::ControlModifier);

        QCOMPARE(session.window.page(), 5);
        QCOMPARE(session.messages.texts(),
                 QStringList{QStringLiteral("已停止：第 1 頁到第 5 頁已寫入\n"
                                            "第 351–28000 列未貼上。")});
        QCOMPARE(session.messages.shownUnderProgress, 0);
        QCOMPARE(session.name(70), QStringLiteral("名350"));
        QVERIFY(!session.dir.exists(QStringLiteral("姓名6.ini")));
        QVERIFY(!session.window.hasUnsavedChanges());
    }

    void pastedValuesAreCleanedAndUnstorableRowsReported()
    {
        Session session(3);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QGuiApplication::clipboard()->setText(QStringLiteral("  王大同 \tA區3排12號\n"
                                                             "李四\tB\t３\t１２\n"
                                                             "\t\t\t\n"
                                                             "陳五\tC\t200\t1\n"
                                                             "林六\t靠窗\n"
                                                             "%1\t1\t1\t1\n"
                                                             "趙七\t\t\t\n"
                                                             "\"周\n八\"\t\t1\t2\n")
                                                  .arg(QString(2048, u'長')));
        session.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(session.lines(1),
                 (QStringList{QStringLiteral("王大同"), QStringLiteral("A區3排12號")}));
        QCOMPARE(session.lines(2),
                 (QStringList{QStringLiteral("李四"), QStringLiteral("B區3排12號")}));
        QCOMPARE(session.lines(3), (QStringList{QStringLiteral("趙七"), QStringLiteral("0號")}));
        QCOMPARE(session.lines(4),
                 (QStringList{QStringLiteral("周 八"), QStringLiteral("1排2號")}));
        QCOMPARE(session.grid()->currentCell(), 5);
        QCOMPARE(session.messages.shown.size(), 1);
        QCOMPARE(session.messages.shown[0].text,
                 QStringLiteral("下列 3 列未貼上：\n"
                                "第 4 列：排「200」不是 0 到 100 的整數\n"
                                "第 5 列：無法辨識座位「靠窗」\n"
                                "第 6 列：內容超過 2047 字"));
    }

    void seatFollowsThePreviousCellAndCtrlDCopiesItsField()
    {
        Session session(3, {{QStringLiteral("座位1.ini"), "[1]\r\n0=王大同\r\n1=A區3排12號\r\n"}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        session.key(Qt::Key_Right);
        DialogAnswer answer(session.editor, [&](QWidget *focus) {
            LabelFields expected;
            expected.zone = QStringLiteral("A");
            expected.row = QStringLiteral("3");
            expected.number = QStringLiteral("13");
            QCOMPARE(session.editor.fields(3), expected);
            QTest::keyClick(focus, Qt::Key_D, Qt::ControlModifier);
            QTest::keyClick(focus, Qt::Key_Return);
        });
        session.key(Qt::Key_Return);
        QVERIFY(answer.ran);
        QCOMPARE(session.lines(2),
                 (QStringList{QStringLiteral("王大同"), QStringLiteral("A區3排13號")}));
    }

    void ctrlDInTheAddressFieldTakesThePreviousAddress()
    {
        Session session(
            2, {{QStringLiteral("地址1.ini"), "[1]\r\n0=林志明\r\n1=甲子年\r\n2=台北市\r\n"}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        session.key(Qt::Key_Right);
        DialogAnswer answer(session.editor, [&](QWidget *focus) {
            QTest::keyClick(focus, Qt::Key_Tab);
            QTest::keyClick(session.editor.focusWidget(), Qt::Key_Tab);
            QCOMPARE(session.editor.focusWidget()->objectName(), QStringLiteral("edt3"));
            QTest::keyClick(session.editor.focusWidget(), Qt::Key_D, Qt::ControlModifier);
            QTest::keyClick(session.editor.focusWidget(), Qt::Key_Return);
        });
        typeText(session.grid(), QStringLiteral("林"));
        QVERIFY(answer.ran);
        QCOMPARE(session.lines(2), (QStringList{QStringLiteral("林"), QStringLiteral("台北市")}));
    }

    void undoAndRedoEachEdit_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("dialog") << "dialog";
        QTest::newRow("delete") << "delete";
        QTest::newRow("cut") << "cut";
        QTest::newRow("paste") << "paste";
    }

    void undoAndRedoEachEdit()
    {
        QFETCH(QString, edit);
        Session session(
            1,
            {{QStringLiteral("姓名1.ini"),
              section(1, QStringLiteral("王小明")) + section(2, QStringLiteral("林"))}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QGuiApplication::clipboard()->setText(QStringLiteral("甲\n乙\n"));
        DialogAnswer answer(session.editor, [](QWidget *focus) {
            typeAndConfirm(focus, QStringLiteral("陳美玲"));
        });
        if (edit == QLatin1String("dialog"))
            session.key(Qt::Key_Return);
        else if (edit == QLatin1String("delete"))
            session.key(Qt::Key_Delete);
        else if (edit == QLatin1String("cut"))
            session.key(Qt::Key_X, Qt::ControlModifier);
        else
            session.messages.answer = UserMessages::Answer::Yes;
        if (edit == QLatin1String("paste"))
            session.key(Qt::Key_V, Qt::ControlModifier);
        const QStringList before{session.name(1), session.name(2)};
        const QStringList original{QStringLiteral("王小明"), QStringLiteral("林")};
        QVERIFY(before != original);
        QVERIFY(session.window.hasUnsavedChanges());
        session.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE((QStringList{session.name(1), session.name(2)}), original);
        QVERIFY(!session.window.hasUnsavedChanges());
        QCOMPARE(session.grid()->currentCell(), 1);
        session.key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE((QStringList{session.name(1), session.name(2)}), before);
        QVERIFY(session.window.hasUnsavedChanges());
    }

    void aPageTurnEndsTheHistory()
    {
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        DialogAnswer answer(session.editor,
                            [](QWidget *focus) { typeAndConfirm(focus, QStringLiteral("林")); });
        session.key(Qt::Key_Return);
        session.key(Qt::Key_PageDown);
        session.key(Qt::Key_PageUp);
        session.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(session.name(1), QStringLiteral("林"));
        QVERIFY(!session.window.hasUnsavedChanges());
    }

    void importFillsCellsAsAPasteDoes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("UTF-8") << "名單.csv";
        QTest::newRow("UTF-8 BOM") << "名單bom.csv";
        QTest::newRow("Big5") << "名單big5.csv";
        QTest::newRow("xlsx") << "名單.xlsx";
    }

    void importFillsCellsAsAPasteDoes()
    {
        QFETCH(QString, file);
        Session session(2);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        const QString csv = QStringLiteral("姓名,生辰,地址\r\n"
                                           "許功蓋,甲子年,\"台北市中山區, 三樓\"\r\n"
                                           "\"王\"\"小明\"\"\",乙丑年,\"高雄市\r\n前鎮區\"\r\n"
                                           "陳美玲,,台南市\r\n");
        const QList<ListRow> cells{
            {1, {QStringLiteral("姓名"), QStringLiteral("生辰"), QStringLiteral("地址")}},
            {2,
             {QStringLiteral("許功蓋"), QStringLiteral("甲子年"),
              QStringLiteral("台北市中山區, 三樓")}},
            {3,
             {QStringLiteral("王\"小明\""), QStringLiteral("乙丑年"),
              QStringLiteral("高雄市\n前鎮區")}},
            {4, {QStringLiteral("陳美玲"), QString(), QStringLiteral("台南市")}}};
        session.dir.write(QStringLiteral("名單.csv"), csv.toUtf8());
        session.dir.write(QStringLiteral("名單bom.csv"), "\xEF\xBB\xBF" + csv.toUtf8());
        QStringEncoder big5("CP950");
        session.dir.write(QStringLiteral("名單big5.csv"), big5.encode(csv));
        QVERIFY(XlsxFixture::writeWorkbook(session.dir.path(QStringLiteral("名單.xlsx")), cells));
        const FileDialogAnswer answer([&](const FileDialogs::SaveRequest &request) {
            return request.opening ? session.dir.path(file) : QString();
        });
        DialogAnswer mapping([](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("匯入名單"));
            QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("chkHeader"))->isChecked());
            dialog->findChild<QPushButton *>(QStringLiteral("btnok"))->click();
        });
        session.key(Qt::Key_O, Qt::ControlModifier);
        QTRY_VERIFY(mapping.ran);

        QCOMPARE(session.lines(1),
                 (QStringList{QStringLiteral("許功蓋"), QStringLiteral("甲子年"),
                              QStringLiteral("台北市中山區, 三樓")}));
        QCOMPARE(session.lines(2),
                 (QStringList{QStringLiteral("王\"小明\""), QStringLiteral("乙丑年"),
                              QStringLiteral("高雄市 前鎮區")}));
        QCOMPARE(session.lines(3),
                 (QStringList{QStringLiteral("陳美玲"), QStringLiteral("台南市")}));
        QCOMPARE(session.name(4), QString());
        QCOMPARE(session.messages.shown.size(), 1);
        QCOMPARE(session.messages.shown[0].text, QStringLiteral("已匯入 3 筆，第 1 頁到第 1 頁"));
        session.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(session.name(1), QString());
    }

    void aFirstRowNamingAFieldIsTakenAsTheHeader_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("firstRow");
        QTest::addColumn<bool>("header");
        QTest::newRow("names") << 2 << QStringList{"許功蓋", "甲子年", "台南市"} << false;
        QTest::newRow("field names") << 2 << QStringList{"編號", " 姓名 ", "住址"} << true;
        QTest::newRow("seat as one text") << 3 << QStringList{"名字", "座位"} << true;
        QTest::newRow("another kind's field") << 1 << QStringList{"地址"} << false;
    }

    void aFirstRowNamingAFieldIsTakenAsTheHeader()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, firstRow);
        QFETCH(bool, header);
        const ListImportDialog dialog(kind, {{1, firstRow}, {2, {QStringLiteral("陳美玲")}}});
        QCOMPARE(dialog.findChild<QCheckBox *>(QStringLiteral("chkHeader"))->isChecked(), header);
    }

    void barButtonsHaveTheirKeysInTheirTips_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tip");
        QTest::newRow("存檔") << "bnSave"
                              << "存檔 (Ctrl+S)";
        QTest::newRow("預覽列印") << "btn1"
                                  << "預覽列印 (Ctrl+P)\n按右鍵設定上、左邊界";
        QTest::newRow("結束") << "btn2"
                              << "結束 (Ctrl+Q)";
        QTest::newRow("技術支援") << "btn3"
                                  << "技術支援 (F1)";
        QTest::newRow("匯入名單") << "btnImport"
                                  << "匯入名單 (Ctrl+O)";
    }

    void barButtonsHaveTheirKeysInTheirTips()
    {
        QFETCH(QString, button);
        QFETCH(QString, tip);
        MainWindow window;
        QCOMPARE(window.findChild<QPushButton *>(button)->toolTip(), tip);
    }

    // The cells paint their own text, so they tell a screen reader what
    // they hold and which label they are, also after an edit. (That the
    // current cell is announced as it moves needs an active accessibility
    // backend, which the offscreen platform does not have.)
    void screenReadersHearTheCells()
    {
        Session session(1, {{QStringLiteral("姓名1.ini"), section(4, QStringLiteral("王小明"))}});
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QAccessibleInterface *fourth =
            QAccessible::queryAccessibleInterface(session.grid()->cell(4));
        QCOMPARE(fourth->text(QAccessible::Name), QStringLiteral("王小明"));
        QCOMPARE(fourth->text(QAccessible::Description), QStringLiteral("第 4 張標籤"));

        session.goTo(4);
        DialogAnswer typed(session.editor,
                           [](QWidget *focus) { typeAndConfirm(focus, QStringLiteral("林")); });
        typeText(session.grid(), QStringLiteral("陳"));
        QTRY_VERIFY(typed.ran);
        QCOMPARE(session.lines(4), QStringList{QStringLiteral("陳林")});
        QCOMPARE(fourth->text(QAccessible::Name), QStringLiteral("陳林"));
    }
};

QTEST_MAIN(TestKeyboardEntry)
#include "tst_keyboardentry.moc"
