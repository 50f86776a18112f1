// The main window: start-up, kind changes, paging, the page number field and
// zoom, each in a fresh working directory with prepared files.
#include "editing/labeldialog.h"
#include "frontend/usermessages.h"
#include "ini/iniutil.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/kindthumbnail.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "tests/common/messagelog.h"
#include "tests/common/startedwindow.h"
#include "tests/common/workdir.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>
#include <QToolButton>

Q_DECLARE_METATYPE(UserMessages::Answer)

namespace {

QByteArray pageWithName(int cell, const QByteArray &name)
{
    return "[" + QByteArray::number(cell) + "]\r\n0=" + name + "\r\n";
}

QString cellLine(const MainWindow &window, int cell, int line)
{
    return window.grid()->cell(cell)->line(line);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsInStoredKind()
    {
        StartedWindow s(
            {StartedWindow::kind(3), {QStringLiteral("座位1.ini"), pageWithName(1, "林志明")}});

        QCOMPARE(s.window.kind(), 3);
        QCOMPARE(s.window.kindStem(), QStringLiteral("座位"));
        QVERIFY(s.window.findChild<KindThumbnail *>(QStringLiteral("pnl6"))->isChosen());
        QVERIFY(!s.window.findChild<KindThumbnail *>(QStringLiteral("pnl4"))->isChosen());
        QVERIFY(s.window.findChild<QWidget *>(QStringLiteral("pnl9"))->isHidden());
        QVERIFY(!s.window.findChild<QWidget *>(QStringLiteral("pnl10"))->isHidden());
        QVERIFY(!s.window.findChild<QWidget *>(QStringLiteral("pnl8"))->isHidden());
        QCOMPARE(s.window.findChild<QLabel *>(QStringLiteral("lbl14"))->text(),
                 QStringLiteral("座位"));
        QCOMPARE(cellLine(s.window, 1, 0), QStringLiteral("林志明"));
        QCOMPARE(s.window.grid()->cell(1)->lines().size(), 4);
        QVERIFY(!s.window.loading());
        QVERIFY(s.messages.shown.isEmpty());
    }

    void firstStartIsKindOneWithoutMessage_data()
    {
        QTest::addColumn<QByteArray>("sysIni");
        QTest::newRow("no sys.ini") << QByteArray();
        QTest::newRow("no Mode") << QByteArray("[info]\r\n");
        QTest::newRow("Mode not a number") << QByteArray("[info]\r\nMode=two\r\n");
    }

    void firstStartIsKindOneWithoutMessage()
    {
        QFETCH(QByteArray, sysIni);
        WorkDir dir;
        MessageLog messages;
        if (!sysIni.isEmpty())
            dir.write(QStringLiteral("sys.ini"), sysIni);
        MainWindow window;
        window.startUp();
        QCOMPARE(window.kind(), 1);
        QCOMPARE(window.kindStem(), QStringLiteral("姓名"));
        QVERIFY(!window.loading());
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("pnl10"))->isHidden());
    }

    void modeOutsideKindsKeepsWindowAsItWas()
    {
        StartedWindow s(
            {StartedWindow::kind(7), {QStringLiteral("1.ini"), pageWithName(2, "無類")}});
        QCOMPARE(s.window.kind(), 7);
        QCOMPARE(s.window.kindStem(), QString());
        QCOMPARE(cellLine(s.window, 2, 0), QStringLiteral("無類"));
    }

    void kindChangeSavesOldPageBeforeLoadingNew()
    {
        WorkDir dir;
        MessageLog messages;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=2\r\n");
        dir.write(QStringLiteral("地址4.ini"), pageWithName(1, "陳美玲"));
        // Page 1 of kind 1 is the same file as page 4 of kind 2: it can only
        // show the edit below if the save came first.
        QVERIFY(QFile::link(dir.path(QStringLiteral("地址4.ini")),
                            dir.path(QStringLiteral("姓名1.ini"))));
        MainWindow window;
        window.startUp();
        auto *field = window.findChild<QLineEdit *>(QStringLiteral("edtpage"));
        field->setText(QStringLiteral("4"));
        Q_EMIT field->editingFinished();
        QCOMPARE(window.page(), 4);
        window.grid()->cell(3)->setLines({QStringLiteral("林志明")});

        window.chooseKind(1);
        QCOMPARE(window.kind(), 1);
        QCOMPARE(window.page(), 1);
        QCOMPARE(field->text(), QStringLiteral("1"));
        QCOMPARE(IniUtil::readString(QStringLiteral("sys.ini"), QStringLiteral("info"),
                                     QStringLiteral("Mode")),
                 QStringLiteral("1"));
        QCOMPARE(cellLine(window, 3, 0), QStringLiteral("林志明"));
        QCOMPARE(cellLine(window, 1, 0), QStringLiteral("陳美玲"));
        QVERIFY(messages.shown.isEmpty());
    }

    void sameKindReturnsToPageOne()
    {
        StartedWindow s;
        s.window.nextPage();
        QCOMPARE(s.window.page(), 2);
        s.window.chooseKind(1);
        QCOMPARE(s.window.page(), 1);
        QVERIFY(s.dir.exists(QStringLiteral("姓名2.ini")));
    }

    void nextPageSavesThePageLeft()
    {
        StartedWindow s;
        s.window.grid()->cell(70)->setLines({QStringLiteral("王小明")});
        s.window.nextPage();
        QCOMPARE(s.window.page(), 2);
        QVERIFY(s.dir.read(QStringLiteral("姓名1.ini")).contains("[70]\r\n0=王小明\r\n1=\r\n"));
        QVERIFY(!s.dir.exists(QStringLiteral("姓名2.ini")));
        QCOMPARE(cellLine(s.window, 70, 0), QString());
        s.window.previousPage();
        QCOMPARE(s.window.page(), 1);
        QVERIFY(s.dir.exists(QStringLiteral("姓名2.ini")));
        QCOMPARE(cellLine(s.window, 70, 0), QStringLiteral("王小明"));
    }

    void previousPageOnPageOneWritesNothing()
    {
        StartedWindow s;
        s.window.previousPage();
        QCOMPARE(s.window.page(), 1);
        QVERIFY(QDir(s.dir.path(QString())).entryList(QDir::Files).isEmpty());
    }

    void failedSaveKeepsPageAndCells_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("next page") << "up";
        QTest::newRow("previous page") << "down";
        QTest::newRow("kind change") << "kind";
        QTest::newRow("typed page") << "typed";
    }

    void failedSaveKeepsPageAndCells()
    {
        QFETCH(QString, action);
        StartedWindow s;
        s.window.nextPage();
        s.window.grid()->cell(5)->setLines({QStringLiteral("未存")});
        const auto saved = QFile::permissions(s.dir.path(QString()));
        QFile::setPermissions(s.dir.path(QString()), QFile::ReadOwner | QFile::ExeOwner);
        if (action == QLatin1String("up"))
            s.window.nextPage();
        else if (action == QLatin1String("down"))
            s.window.previousPage();
        else if (action == QLatin1String("kind"))
            s.window.chooseKind(2);
        else {
            auto *field = s.window.findChild<QLineEdit *>(QStringLiteral("edtpage"));
            field->setText(QStringLiteral("9"));
            Q_EMIT field->editingFinished();
            QCOMPARE(field->text(), QStringLiteral("2"));
        }
        QFile::setPermissions(s.dir.path(QString()), saved);

        QCOMPARE(s.messages.shown.size(), 1);
        QVERIFY(s.messages.shown[0].text.startsWith(QStringLiteral("寫入錯誤")));
        QVERIFY(s.messages.shown[0].text.contains(QStringLiteral("姓名2.ini")));
        QCOMPARE(s.window.page(), 2);
        QCOMPARE(s.window.kind(), 1);
        QCOMPARE(cellLine(s.window, 5, 0), QStringLiteral("未存"));
    }

    void damagedFilesAreKeptAndToldOnce()
    {
        WorkDir dir;
        MessageLog messages;
        QStringEncoder big5("windows-950");
        QByteArray settings = big5.encode(
            QStringLiteral("[info]\r\nMode=1\r\n[M1font1]\r\nfont=標楷體\r\ncolor=0\r\nsize=20\r\n"
                           "[標籤]\r\nTOPMARGIN=3\r\n"));
        settings.append('\xA4'); // a stray byte at the end
        const QByteArray page =
            QByteArray(big5.encode(QStringLiteral("[1]\r\n0=陳美玲\r\n[70]\r\n0=林")))
                .chopped(1); // cut short
        dir.write(QStringLiteral("sys.ini"), settings);
        dir.write(QStringLiteral("姓名1.ini"), page);
        MainWindow window;
        window.show();
        window.startUp();
        QCOMPARE(cellLine(window, 1, 0), QStringLiteral("陳美玲"));
        QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("btnup")), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("btndown")),
                          Qt::LeftButton);
        QCOMPARE(window.page(), 1);
        QCOMPARE(cellLine(window, 1, 0), QStringLiteral("陳美玲"));
        QCOMPARE(messages.shown.size(), 2); // once for each file, not once per save
        const QStringList pageCopies =
            QDir(dir.path(QString())).entryList({QStringLiteral("姓名1.ini.損毀備份-*")});
        const QStringList settingsCopies =
            QDir(dir.path(QString())).entryList({QStringLiteral("sys.ini.損毀備份-*")});
        QCOMPARE(pageCopies.size(), 1);
        QCOMPARE(settingsCopies.size(), 1);
        QCOMPARE(dir.read(pageCopies[0]), page);
        QCOMPARE(dir.read(settingsCopies[0]), settings);
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("姓名1.ini"))
                && messages.shown[0].text.contains(pageCopies[0]));
        QVERIFY(messages.shown[1].text.contains(QStringLiteral("sys.ini"))
                && messages.shown[1].text.contains(settingsCopies[0]));
        QCOMPARE(IniUtil::readString(QStringLiteral("sys.ini"), QStringLiteral("標籤"),
                                     QStringLiteral("TOPMARGIN")),
                 QStringLiteral("3"));
    }

    // The kind change stores the kind after the page and styles; whichever
    // write first finds sys.ini damaged keeps its copy and says so once.
    void aKindChangeTellsOfTheDamagedSettingsCopy()
    {
        QByteArray settings =
            QStringEncoder("windows-950").encode(QStringLiteral("[info]\r\nMode=1\r\n"));
        settings.append('\xA4'); // a stray byte at the end
        StartedWindow s({{QStringLiteral("sys.ini"), settings}});
        QTest::mouseClick(s.window.findChild<KindThumbnail *>(QStringLiteral("pnl5")),
                          Qt::LeftButton);
        QVERIFY(s.window.findChild<KindThumbnail *>(QStringLiteral("pnl5"))->isChosen());
        const QStringList copies =
            QDir(s.dir.path(QString())).entryList({QStringLiteral("sys.ini.損毀備份-*")});
        QCOMPARE(copies.size(), 1);
        QCOMPARE(s.dir.read(copies[0]), settings);
        QCOMPARE(s.messages.shown.size(), 1);
        QVERIFY(s.messages.shown[0].text.contains(QStringLiteral("sys.ini"))
                && s.messages.shown[0].text.contains(copies[0]));
    }

    void heldPageButtonStopsAtAFailedSave()
    {
        StartedWindow s;
        const auto saved = QFile::permissions(s.dir.path(QString()));
        QFile::setPermissions(s.dir.path(QString()), QFile::ReadOwner | QFile::ExeOwner);
        auto *btnup = s.window.findChild<QToolButton *>(QStringLiteral("btnup"));
        QTest::mousePress(btnup, Qt::LeftButton);
        // The failed save lets the button go, which ends its repeats.
        QTRY_VERIFY_WITH_TIMEOUT(!btnup->isDown(), 5000);
        QTest::mouseRelease(btnup, Qt::LeftButton);
        QFile::setPermissions(s.dir.path(QString()), saved);
        QCOMPARE(s.messages.shown.size(), 1);
        QCOMPARE(s.window.page(), 1);
    }

    void heldPageButtonTurnsSeveralPages()
    {
        StartedWindow s;
        auto *btnup = s.window.findChild<QToolButton *>(QStringLiteral("btnup"));
        QTest::mousePress(btnup, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(s.window.page() > 3,
                                 10000); // the 400 ms delay, then 100 ms repeats
        QTest::mouseRelease(btnup, Qt::LeftButton);
        QVERIFY(s.window.page() > 3);
        for (int page = 1; page < s.window.page(); ++page)
            QVERIFY(s.dir.exists(QStringLiteral("姓名%1.ini").arg(page)));
        QVERIFY(s.messages.shown.isEmpty());
    }

    void failedModeWriteKeepsKind()
    {
        StartedWindow s({StartedWindow::kind(2)});
        QFile::setPermissions(s.dir.path(QStringLiteral("sys.ini")), QFile::ReadOwner);
        s.window.chooseKind(3);
        QCOMPARE(s.messages.shown.size(), 1);
        QVERIFY(s.messages.shown[0].text.contains(QStringLiteral("sys.ini")));
        QCOMPARE(s.window.kind(), 2);
        QCOMPARE(s.window.kindStem(), QStringLiteral("地址"));
        QVERIFY(s.dir.exists(QStringLiteral("地址1.ini"))); // the page was saved first
        QVERIFY(!s.dir.exists(QStringLiteral("座位1.ini")));
    }

    void typedPageNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("shown");
        QTest::newRow("valid") << "5" << 5 << "5";
        QTest::newRow("same page") << "1" << 1 << "1";
        QTest::newRow("empty") << "" << 1 << "1";
        QTest::newRow("zero") << "0" << 1 << "1";
        QTest::newRow("negative") << "-2" << 1 << "1";
        QTest::newRow("letters") << "x" << 1 << "1";
    }

    void typedPageNumber()
    {
        QFETCH(QString, typed);
        QFETCH(int, page);
        QFETCH(QString, shown);
        StartedWindow s({{QStringLiteral("姓名5.ini"), pageWithName(1, "第五頁")}});
        s.window.grid()->cell(2)->setLines({QStringLiteral("第一頁")});
        auto *field = s.window.findChild<QLineEdit *>(QStringLiteral("edtpage"));
        field->setText(typed);
        Q_EMIT field->editingFinished();
        QCOMPARE(s.window.page(), page);
        QCOMPARE(field->text(), shown);
        if (page == 5) {
            // The shown cells went to the page they were loaded from.
            QVERIFY(s.dir.read(QStringLiteral("姓名1.ini")).contains("[2]\r\n0=第一頁"));
            QCOMPARE(cellLine(s.window, 1, 0), QStringLiteral("第五頁"));
        } else {
            QVERIFY(!s.dir.exists(QStringLiteral("姓名1.ini")));
            QCOMPARE(cellLine(s.window, 2, 0), QStringLiteral("第一頁"));
        }
    }

    void typedPageThenArrowButton_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page");
        QTest::newRow("next after a typed page") << "5"
                                                 << "btnup" << 5;
        QTest::newRow("previous after a typed page") << "5"
                                                     << "btndown" << 5;
        QTest::newRow("next after letters") << "x"
                                            << "btnup" << 3;
        QTest::newRow("previous after letters") << "x"
                                                << "btndown" << 1;
    }

    // The arrow buttons take no focus, so the field would never finish its
    // edit: the number typed before the click is the page the user wants.
    void typedPageThenArrowButton()
    {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(int, page);
        WorkDir dir;
        MessageLog messages;
        dir.write(QStringLiteral("姓名5.ini"), pageWithName(1, "第五頁"));
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.nextPage();
        auto *field = window.findChild<QLineEdit *>(QStringLiteral("edtpage"));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, typed);
        QTest::mouseClick(window.findChild<QToolButton *>(button), Qt::LeftButton);
        QCOMPARE(window.page(), page);
        QCOMPARE(field->text(), QString::number(page));
        if (page == 5)
            QCOMPARE(cellLine(window, 1, 0), QStringLiteral("第五頁"));
        QVERIFY(messages.shown.isEmpty());
    }

    void confirmedDialogWithoutEditsIsNoChange_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("name") << 1 << QByteArray("[12]\r\n0=王小明\r\n");
        QTest::newRow("name, birth, address")
            << 2 << QByteArray("[12]\r\n0=王小明\r\n1=民國六十年\r\n2=台北市\r\n3=\r\n");
        QTest::newRow("empty cell") << 1 << QByteArray("[1]\r\n0=林志明\r\n");
    }

    void confirmedDialogWithoutEditsIsNoChange()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, page);
        WorkDir dir;
        MessageLog messages;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=" + QByteArray::number(kind) + "\r\n");
        const QString pageFile =
            kind == 1 ? QStringLiteral("姓名1.ini") : QStringLiteral("地址1.ini");
        dir.write(pageFile, page);
        MainWindow window;
        LabelDialog editor(&window);
        window.setEditor(&editor);
        window.show();
        window.startUp();
        const QStringList before = window.grid()->cell(12)->lines();
        bool ran = false;
        QTimer::singleShot(0, &editor, [&] {
            ran = true;
            editor.findChild<QPushButton *>(QStringLiteral("btnsvae"))->click();
        });
        window.cellClicked(12);
        QVERIFY(ran);
        QVERIFY(!window.hasUnsavedChanges());
        QCOMPARE(window.grid()->cell(12)->lines(), before);
        window.exitProgram();
        QVERIFY(!window.isVisible());
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(dir.read(pageFile), page);
    }

    void editingACellThroughTheDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("line0");
        QTest::addColumn<bool>("changed");
        QTest::newRow("save") << "btnsvae"
                              << "林志明" << true;
        QTest::newRow("cancel") << "btncal"
                                << "王小明" << false;
    }

    void editingACellThroughTheDialog()
    {
        QFETCH(QString, button);
        QFETCH(QString, line0);
        QFETCH(bool, changed);
        WorkDir dir;
        MessageLog messages;
        dir.write(QStringLiteral("姓名1.ini"), pageWithName(12, "王小明"));
        MainWindow window;
        LabelDialog editor(&window);
        window.setEditor(&editor);
        window.startUp();
        QCOMPARE(editor.activePage(), 0);
        bool ran = false;
        QTimer::singleShot(0, &editor, [&] {
            ran = true;
            auto *name = editor.findChild<QLineEdit *>(QStringLiteral("edtname"));
            QCOMPARE(name->text(), QStringLiteral("王小明"));
            name->setText(QStringLiteral("林志明"));
            editor.findChild<QPushButton *>(button)->click();
        });
        window.cellClicked(12);
        QVERIFY(ran);
        QCOMPARE(cellLine(window, 12, 0), line0);
        QCOMPARE(window.grid()->cell(12)->lines().size(), changed ? 1 : 4);
        QCOMPARE(window.hasUnsavedChanges(), changed);
    }

    void birthDigitsTypedAreStoredWrittenOut()
    {
        WorkDir dir;
        MessageLog messages;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=2\r\n");
        dir.write(QStringLiteral("地址1.ini"), pageWithName(7, "陳美玲"));
        MainWindow window;
        LabelDialog editor(&window);
        window.setEditor(&editor);
        window.startUp();
        bool ran = false;
        QTimer::singleShot(0, &editor, [&] {
            ran = true;
            auto *birth = editor.findChild<QLineEdit *>(QStringLiteral("edt2"));
            QTest::keyClicks(birth, QStringLiteral("60/3/5 8"));
            QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("btnsvae")),
                              Qt::LeftButton);
        });
        window.cellClicked(7);
        QVERIFY(ran);
        QCOMPARE(cellLine(window, 7, 0), QStringLiteral("陳美玲"));
        QCOMPARE(cellLine(window, 7, 1), QStringLiteral("民國六十年三月五日辰時"));
    }

    void seatCellShowsStoredSeatFirst()
    {
        WorkDir dir;
        MessageLog messages;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=3\r\n");
        dir.write(QStringLiteral("座位1.ini"),
                  "[1]\r\n0=林志明\r\n1=A區3排12號\r\n[2]\r\n0=王\r\n");
        MainWindow window;
        LabelDialog editor(&window);
        window.setEditor(&editor);
        window.startUp();
        QCOMPARE(editor.activePage(), 2);
        window.fillDialogFromCell(QStringLiteral("1"));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("A區3排12號"));
        LabelFields expected;
        expected.name = QStringLiteral("林志明");
        expected.zone = QStringLiteral("A");
        expected.row = QStringLiteral("3");
        expected.number = QStringLiteral("12");
        QVERIFY(editor.fields(3) == expected);
        window.fillDialogFromCell(QStringLiteral("2")); // no seat: no message, fields emptied
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(editor.fields(3).zone, QString());
        window.writeDialogToCell(QStringLiteral("2"));
        QCOMPARE(window.grid()->cell(2)->lines(),
                 (QStringList{QStringLiteral("王"), QStringLiteral("0號")}));
    }

    void exitQuestion_data()
    {
        QTest::addColumn<UserMessages::Answer>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("是") << UserMessages::Answer::Yes << true << true;
        QTest::newRow("否") << UserMessages::Answer::No << true << false;
        QTest::newRow("取消") << UserMessages::Answer::Cancel << false << false;
    }

    void exitQuestion()
    {
        QFETCH(UserMessages::Answer, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        WorkDir dir;
        MessageLog messages;
        MainWindow window;
        LabelDialog editor(&window);
        window.setEditor(&editor);
        window.show();
        window.startUp();
        LabelFields fields;
        fields.name = QStringLiteral("陳美玲");
        editor.setFields(1, fields);
        window.writeDialogToCell(QStringLiteral("3"));
        messages.answer = answer;
        window.exitProgram();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("是否存檔?"));
        QCOMPARE(window.isVisible(), !closed);
        QCOMPARE(dir.read(QStringLiteral("姓名1.ini")).contains("0=陳美玲"), saved);
    }

    void exitWithoutChangesAsksNothing()
    {
        StartedWindow s;
        s.window.exitProgram();
        QVERIFY(!s.window.isVisible());
        QVERIFY(s.messages.shown.isEmpty());
        QVERIFY(!s.dir.exists(QStringLiteral("姓名1.ini")));
    }

    void exitSaveFailureStaysOpen()
    {
        WorkDir dir;
        MessageLog messages;
        MainWindow window;
        LabelDialog editor(&window);
        window.setEditor(&editor);
        window.show();
        window.startUp();
        LabelFields typed;
        typed.name = QStringLiteral("林志明");
        editor.setFields(1, typed);
        window.writeDialogToCell(QStringLiteral("3"));
        QVERIFY(window.hasUnsavedChanges());
        messages.answer = UserMessages::Answer::Yes;
        const auto saved = QFile::permissions(dir.path(QString()));
        QFile::setPermissions(dir.path(QString()), QFile::ReadOwner | QFile::ExeOwner);
        window.exitProgram();
        QFile::setPermissions(dir.path(QString()), saved);
        QCOMPARE(messages.shown.size(), 2); // the question, then the write error
        QVERIFY(window.isVisible());
    }

    void zoomScalesCells()
    {
        WorkDir dir;
        MainWindow window;
        window.zoomOut();
        for (int n : {1, 7, 70}) {
            const QRect expected(((n - 1) % 5) * 135, ((n - 1) / 5) * 45, 135, 45);
            QCOMPARE(window.grid()->cell(n)->geometry(), expected);
        }
        QCOMPARE(window.grid()->cell(1)->font().pointSize(), 5);
        window.zoomOut();
        const int edges[] = {0, 122, 243, 365, 486, 608};
        for (int column = 0; column < 5; ++column) {
            const QRect cell = window.grid()->cell(column + 1)->geometry();
            QCOMPARE(cell.left(), edges[column]);
            QCOMPARE(cell.left() + cell.width(), edges[column + 1]);
        }
        QCOMPARE(window.grid()->size(), QSize(611, 572));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
