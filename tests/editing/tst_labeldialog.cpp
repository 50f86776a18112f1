// The editing dialog: its results, Enter saving, the seat number fields.
#include "editing/labeldialog.h"
#include "editing/seatnumberfield.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Runs `action` on the dialog once its event loop runs; fails instead of
// hanging if the dialog never opens.
int execWith(LabelDialog &dialog, const std::function<void()> &action)
{
    bool ran = false;
    QTimer::singleShot(0, &dialog, [&] {
        ran = true;
        action();
    });
    const int result = dialog.exec();
    if (!ran)
        qFatal("dialog never ran its action");
    return result;
}

// Chinese characters arrive as an input method's commit, not as key presses.
void commitFromInputMethod(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

// The dialog on the birth page, shown and active, with the focus in the
// birth field as after a click into it.
struct BirthPage {
    LabelDialog dialog;
    QLineEdit *birth = nullptr;
    QLabel *preview = nullptr;

    BirthPage()
    {
        dialog.setActivePage(1);
        dialog.show();
        if (!QTest::qWaitForWindowActive(&dialog))
            qFatal("dialog not active");
        birth = dialog.findChild<QLineEdit *>(QStringLiteral("edt2"));
        preview = dialog.findChild<QLabel *>(QStringLiteral("lblbirth"));
        QTest::mouseClick(birth, Qt::LeftButton);
    }
};

} // namespace

class TestLabelDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void results_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("save button") << "btnsvae" << LabelDialog::SaveResult;
        QTest::newRow("cancel button") << "btncal" << LabelDialog::CancelResult;
        QTest::newRow("escape") << "escape" << LabelDialog::CancelResult;
        QTest::newRow("close box") << "close" << LabelDialog::CancelResult;
        QTest::newRow("enter in name field") << "enter" << LabelDialog::SaveResult;
    }

    void results()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        LabelDialog dialog;
        dialog.setActivePage(1);
        const int got = execWith(dialog, [&] {
            if (how == QLatin1String("escape"))
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else if (how == QLatin1String("close"))
                dialog.close();
            else if (how == QLatin1String("enter"))
                QTest::keyClick(dialog.findChild<QLineEdit *>(QStringLiteral("edt3")),
                                Qt::Key_Return);
            else
                dialog.findChild<QPushButton *>(how)->click();
        });
        QCOMPARE(got, result);
    }

    void birthDigitsWrittenOnSave_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("save button") << true;
        QTest::newRow("enter in the field") << false;
    }

    void birthDigitsWrittenOnSave()
    {
        QFETCH(bool, byButton);
        BirthPage page;
        QCOMPARE(page.preview->text(), QString());
        QTest::keyClicks(page.birth, QStringLiteral("60/3/5 8"));
        QCOMPARE(page.preview->text(), QStringLiteral("→ 民國六十年三月五日辰時　生肖豬"));
        QCOMPARE(page.birth->text(), QStringLiteral("60/3/5 8"));
        if (byButton)
            QTest::mouseClick(page.dialog.findChild<QPushButton *>(QStringLiteral("btnsvae")),
                              Qt::LeftButton);
        else
            QTest::keyClick(page.birth, Qt::Key_Return);
        QCOMPARE(page.dialog.result(), LabelDialog::SaveResult);
        QCOMPARE(page.dialog.fields(2).birth, QStringLiteral("民國六十年三月五日辰時"));
    }

    void birthConversionTakenBackWithUndo()
    {
        BirthPage page;
        commitFromInputMethod(page.birth, QStringLiteral("農"));
        QTest::keyClicks(page.birth, QStringLiteral("600305"));
        QTest::keyClick(page.birth, Qt::Key_Tab);
        QCOMPARE(page.birth->text(), QStringLiteral("民國六十年農曆三月初五"));
        QCOMPARE(page.preview->text(), QStringLiteral("生肖豬"));
        QTest::mouseClick(page.birth, Qt::LeftButton);
        QTest::keyClick(page.birth, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(page.birth->text(), QStringLiteral("農600305"));
        QCOMPARE(page.preview->text(), QStringLiteral("保留原樣，不換算"));
        QTest::keyClick(page.birth, Qt::Key_Tab);
        QTest::keyClick(page.birth, Qt::Key_Return);
        QCOMPARE(page.dialog.fields(2).birth, QStringLiteral("農600305"));
    }

    void impossibleBirthDateKeptWithReason()
    {
        BirthPage page;
        QTest::keyClicks(page.birth, QStringLiteral("60/2/30"));
        QCOMPARE(page.preview->text(), QStringLiteral("不換算：民國60年2月只有28天"));
        QTest::keyClick(page.birth, Qt::Key_Tab);
        QCOMPARE(page.birth->text(), QStringLiteral("60/2/30"));
        QCOMPARE(page.preview->text(), QStringLiteral("不換算：民國60年2月只有28天"));
    }

    void birthPreviewFollowsReopenedCell()
    {
        BirthPage page;
        QTest::keyClicks(page.birth, QStringLiteral("600305"));
        QTest::keyClick(page.birth, Qt::Key_Tab);
        LabelFields stored;
        stored.birth = QStringLiteral("不詳");
        page.dialog.setFields(2, stored);
        QCOMPARE(page.preview->text(), QString());
        stored.birth = QStringLiteral("1971-3-5"); // digits from an earlier import
        page.dialog.setFields(2, stored);
        QCOMPARE(page.preview->text(), QStringLiteral("→ 民國六十年三月五日　生肖豬"));
    }

    void enterInSeatNumberFieldSaves()
    {
        LabelDialog dialog;
        dialog.setActivePage(2);
        const int got = execWith(dialog, [&] {
            auto *row = dialog.findChild<SeatNumberField *>(QStringLiteral("edt6"));
            row->setFocus();
            QTest::keyClick(row, Qt::Key_Return);
        });
        QCOMPARE(got, LabelDialog::SaveResult);
    }

    void fieldsRoundTrip()
    {
        LabelDialog dialog;
        LabelFields seat;
        seat.name = QStringLiteral("林志明");
        seat.zone = QStringLiteral("A");
        seat.row = QStringLiteral("區3"); // as a reopened seat line may leave it
        seat.number = QStringLiteral("12");
        dialog.setFields(3, seat);
        QVERIFY(dialog.fields(3) == seat);
        QCOMPARE(dialog.fields(1), LabelFields{});
    }

    void seatNumberField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("afterFocusOut");
        QTest::addColumn<int>("value");
        QTest::newRow("inside") << "42"
                                << "42" << 42;
        QTest::newRow("above") << "150"
                               << "100" << 100;
        QTest::newRow("below") << "-3"
                               << "0" << 0;
        QTest::newRow("empty") << ""
                               << "" << 0;
    }

    void seatNumberField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, afterFocusOut);
        QFETCH(int, value);
        QWidget window;
        auto *field = new SeatNumberField(&window);
        auto *other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), typed);
        other->setFocus();
        QCOMPARE(field->text(), afterFocusOut);
        QCOMPARE(field->value(), value);
    }

    void pasteKeepsOneLine_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("crlf from a sheet") << "edtname"
                                           << "林志明\r\n王小明\r\n"
                                           << "林志明 王小明";
        QTest::newRow("tabs between cells") << "edt3"
                                            << "台北市\t中山區\t一號"
                                            << "台北市 中山區 一號";
        QTest::newRow("lone cr and lf") << "edt9"
                                        << "國中\r會考\n甲"
                                        << "國中 會考 甲";
        QTest::newRow("one copied cell") << "edt4"
                                         << "陳美玲\r\n"
                                         << "陳美玲";
        QTest::newRow("plain") << "edt8"
                               << "陳美玲"
                               << "陳美玲";
    }

    // Spreadsheet cells arrive with tabs and CRLF: what the field shows is
    // what the page file can hold, one line.
    void pasteKeepsOneLine()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        LabelDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *edit = dialog.findChild<QLineEdit *>(field);
        for (int page = 0; page < 4; ++page) {
            dialog.setActivePage(page);
            if (edit->isVisibleTo(&dialog))
                break;
        }
        edit->setFocus();
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), kept);
        QCOMPARE(edit->cursorPosition(), kept.size());
    }

    void longPasteStopsAtTheStorableLength()
    {
        LabelDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("edtname"));
        edit->setFocus();
        QGuiApplication::clipboard()->setText(QString(100000, u'林'));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text().size(), 2047);
        QTest::keyClicks(edit, QStringLiteral("x"));
        QCOMPARE(edit->text().size(), 2047);
        QCOMPARE(dialog.fields(1).name, QString(2047, u'林'));
    }

    void seatNumberFieldRefusesLetters()
    {
        SeatNumberField field;
        QTest::keyClicks(&field, QStringLiteral("1a2"));
        QCOMPARE(field.text(), QStringLiteral("12"));
        field.stepBy(1);
        QCOMPARE(field.value(), 13);
        field.setText(QStringLiteral("100"));
        field.stepBy(5);
        QCOMPARE(field.value(), 100);
    }
};

QTEST_MAIN(TestLabelDialog)
#include "tst_labeldialog.moc"
