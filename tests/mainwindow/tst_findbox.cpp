// The find box: opened with Ctrl+F, finds across kinds and pages with
// full-width input, includes unsaved text on the shown page, and choosing a
// hit saves the shown page and shows the hit's kind, page and cell.
#include "editing/labeldialog.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/findbox.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "sheet/sheetpage.h"
#include "tests/common/messagelog.h"
#include "tests/common/workdir.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Text as an input method (注音, 倉頡, full-width mode) commits it.
void commitText(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

QStringList listedRows(const QTreeWidget *hits)
{
    QStringList rows;
    for (int i = 0; i < hits->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = hits->topLevelItem(i);
        rows.append(
            QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(u'/'));
    }
    return rows;
}

} // namespace

class TestFindBox : public QObject
{
    Q_OBJECT

    struct Fixture {
        WorkDir dir;
        MessageLog messages;
        MainWindow window;
        LabelDialog editor{&window};

        Fixture()
        {
            dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=1\r\n");
            dir.write(QStringLiteral("姓名1.ini"), "[4]\r\n0=Lin Zhiming\r\n");
            dir.write(QStringLiteral("姓名3.ini"), "[9]\r\n0=陳美玲\r\n");
            dir.write(QStringLiteral("地址2.ini"),
                      "[17]\r\n0=林志明\r\n1=民國50年\r\n2=台中市ABC路１號\r\n");
            dir.write(QStringLiteral("考試1.ini"), "[70]\r\n0=大學學測\r\n1=LIN 小華\r\n");
            window.setEditor(&editor);
            window.show();
            window.startUp();
        }

        FindBox *openWithCtrlF()
        {
            // Back from the editing dialog, as a window manager would.
            window.activateWindow();
            if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; }))
                return nullptr;
            QWidget *focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : &window, Qt::Key_F, Qt::ControlModifier);
            auto *box = window.findChild<FindBox *>();
            return box && QTest::qWaitFor([box] { return QApplication::activeWindow() == box; })
                ? box
                : nullptr;
        }

        QTreeWidget *findByTyping(FindBox *box, const QString &text)
        {
            auto *field = box->findChild<QLineEdit *>(QStringLiteral("findText"));
            field->clear();
            commitText(field, text);
            QTest::keyClick(field, Qt::Key_Return);
            return box->findChild<QTreeWidget *>(QStringLiteral("hitList"));
        }

        // Types a name into cell `cell` through the editing dialog, as a user does.
        void typeIntoCell(int cell, const QString &name)
        {
            bool answered = false;
            QTimer::singleShot(0, &editor, [&] {
                answered = true;
                auto *field = editor.findChild<QLineEdit *>(QStringLiteral("edtname"));
                field->selectAll();
                commitText(field, name);
                editor.findChild<QPushButton *>(QStringLiteral("btnsvae"))->click();
            });
            QWidget *target = window.grid()->cell(cell);
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
            QVERIFY(answered);
        }
    };

private Q_SLOTS:
    void findsAcrossKindsAndPagesWithFullWidthInput()
    {
        Fixture f;
        FindBox *box = f.openWithCtrlF();
        QVERIFY(box);
        QTreeWidget *hits = f.findByTyping(box, QStringLiteral("ｌｉｎ"));
        QCOMPARE(listedRows(hits),
                 (QStringList{QStringLiteral("姓名/1/4/Lin Zhiming"),
                              QStringLiteral("考試/1/70/大學學測　LIN 小華")}));
        QCOMPARE(box->findChild<QLabel *>(QStringLiteral("findStatus"))->text(),
                 QStringLiteral("找到 2 筆"));
        hits = f.findByTyping(box, QStringLiteral("abc路1"));
        QCOMPARE(listedRows(hits),
                 QStringList{QStringLiteral("地址/2/17/林志明　民國50年　台中市ABC路１號")});
        f.findByTyping(box, QStringLiteral("沒有這個人"));
        QCOMPARE(box->findChild<QLabel *>(QStringLiteral("findStatus"))->text(),
                 QStringLiteral("找不到「沒有這個人」"));
        QVERIFY(f.messages.shown.isEmpty());
    }

    void choosingAHitSavesAndShowsItsKindPageAndCell()
    {
        Fixture f;
        f.typeIntoCell(6, QStringLiteral("林未存"));
        QVERIFY(f.window.hasUnsavedChanges());
        FindBox *box = f.openWithCtrlF();
        QVERIFY(box);
        QTreeWidget *hits = f.findByTyping(box, QStringLiteral("林"));
        QCOMPARE(listedRows(hits),
                 (QStringList{QStringLiteral("姓名/1/6/林未存"),
                              QStringLiteral("地址/2/17/林志明　民國50年　台中市ABC路１號")}));
        // Down to the list, down to the second hit, Enter.
        QTest::keyClick(box->findChild<QLineEdit *>(QStringLiteral("findText")), Qt::Key_Down);
        QVERIFY(hits->hasFocus());
        QTest::keyClick(hits, Qt::Key_Down);
        QTest::keyClick(hits, Qt::Key_Return);

        QCOMPARE(f.window.kind(), 2);
        QCOMPARE(f.window.page(), 2);
        QCOMPARE(SheetPage::readPage(f.dir.path(QStringLiteral("姓名1.ini")))[5][0],
                 QStringLiteral("林未存"));
        QVERIFY(!f.window.hasUnsavedChanges());
        LabelCell *cell = f.window.grid()->cell(17);
        QCOMPARE(cell->line(0), QStringLiteral("林志明"));
        QVERIFY(cell->isSelected());
        QVERIFY(box->isHidden());
        QVERIFY(f.messages.shown.isEmpty());
        // The found label is the current cell: the arrows go on from it.
        QCOMPARE(f.window.grid()->currentCell(), 17);
        QTRY_VERIFY(f.window.grid()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(f.window.grid()->currentCell(), 22);
        QVERIFY(!cell->isSelected()); // left behind, it is a label like any other
    }

    void aFailedSaveStaysOnTheShownPage()
    {
        Fixture f;
        f.typeIntoCell(6, QStringLiteral("林未存"));
        // The page file becomes a folder: it cannot be written.
        QFile::remove(f.dir.path(QStringLiteral("姓名1.ini")));
        QVERIFY(QDir(f.dir.path(QString())).mkdir(QStringLiteral("姓名1.ini")));
        FindBox *box = f.openWithCtrlF();
        QVERIFY(box);
        QTreeWidget *hits = f.findByTyping(box, QStringLiteral("林志明"));
        QCOMPARE(hits->topLevelItemCount(), 1);
        // A double click as the system delivers it: a click, then the second press.
        const QPoint onHit = hits->visualItemRect(hits->topLevelItem(0)).center();
        QTest::mouseClick(hits->viewport(), Qt::LeftButton, {}, onHit);
        QTest::mouseDClick(hits->viewport(), Qt::LeftButton, {}, onHit);

        QCOMPARE(f.window.kind(), 1);
        QCOMPARE(f.window.page(), 1);
        QCOMPARE(f.window.grid()->cell(6)->line(0), QStringLiteral("林未存"));
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.messages.shown[0].text.startsWith(QStringLiteral("寫入錯誤")));
        QVERIFY(box->isVisible());
    }
};

QTEST_MAIN(TestFindBox)
#include "tst_findbox.moc"
