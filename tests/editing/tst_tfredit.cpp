// The editing dialog: its results, Enter saving, the seat number fields.
#include "editing/seatnumberfield.h"
#include "editing/tfredit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Runs `action` on the dialog once its event loop runs; fails instead of
// hanging if the dialog never opens.
int execWith(TFrEdit &dialog, const std::function<void()> &action)
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

} // namespace

class TestTFrEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void results_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("save button") << "btnsvae" << TFrEdit::SaveResult;
        QTest::newRow("cancel button") << "btncal" << TFrEdit::CancelResult;
        QTest::newRow("escape") << "escape" << TFrEdit::CancelResult;
        QTest::newRow("close box") << "close" << TFrEdit::CancelResult;
        QTest::newRow("enter in name field") << "enter" << TFrEdit::SaveResult;
    }

    void results()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        TFrEdit dialog;
        dialog.setActivePage(1);
        const int got = execWith(dialog, [&] {
            if (how == QLatin1String("escape"))
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else if (how == QLatin1String("close"))
                dialog.close();
            else if (how == QLatin1String("enter"))
                QTest::keyClick(dialog.findChild<QLineEdit *>(QStringLiteral("edt3")), Qt::Key_Return);
            else
                dialog.findChild<QPushButton *>(how)->click();
        });
        QCOMPARE(got, result);
    }

    void enterInSeatNumberFieldSaves()
    {
        TFrEdit dialog;
        dialog.setActivePage(2);
        const int got = execWith(dialog, [&] {
            auto *row = dialog.findChild<SeatNumberField *>(QStringLiteral("edt6"));
            row->setFocus();
            QTest::keyClick(row, Qt::Key_Return);
        });
        QCOMPARE(got, TFrEdit::SaveResult);
    }

    void fieldsRoundTrip()
    {
        TFrEdit dialog;
        LabelFields seat;
        seat.name = QStringLiteral("林志明");
        seat.zone = QStringLiteral("A");
        seat.row = QStringLiteral("區3");  // as a reopened seat line may leave it
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
        QTest::newRow("inside") << "42" << "42" << 42;
        QTest::newRow("above") << "150" << "100" << 100;
        QTest::newRow("below") << "-3" << "0" << 0;
        QTest::newRow("empty") << "" << "" << 0;
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

QTEST_MAIN(TestTFrEdit)
#include "tst_tfredit.moc"
