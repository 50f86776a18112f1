#pragma once

#include "editing/labelfields.h"

#include <QDialog>

class QLineEdit;
class QStackedWidget;
class SeatNumberField;

// The label editing dialog FrEdit, created once and reused for every cell.
// One page of fields per label kind, without tabs; the main window makes
// the page of the current kind the active one.
class TFrEdit : public QDialog
{
    Q_OBJECT

public:
    static constexpr int SaveResult = 1;
    static constexpr int CancelResult = 2;

    explicit TFrEdit(QWidget *parent = nullptr);

    void setActivePage(int index);
    int activePage() const;

    void setFields(int kind, const LabelFields &fields);
    LabelFields fields(int kind) const;

    // The close box and Escape give the cancel result, like 取消.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildNamePage();
    QWidget *buildBirthPage();
    QWidget *buildSeatPage();
    QWidget *buildExamPage();
    QWidget *buildButtonBar();

    QStackedWidget *rzpg1;
    QLineEdit *edtname = nullptr;
    QLineEdit *edt1 = nullptr;
    QLineEdit *edt2 = nullptr;
    QLineEdit *edt3 = nullptr;
    QLineEdit *edt4 = nullptr;
    QLineEdit *edt5 = nullptr;
    SeatNumberField *edt6 = nullptr;
    SeatNumberField *edt7 = nullptr;
    QLineEdit *edt8 = nullptr;
    QLineEdit *edt9 = nullptr;
};
