#pragma once

#include "sheet/labelfields.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QStackedWidget;
class SeatNumberField;
class TypeAheadDialog;

// The label editing dialog, created once and reused for every cell.
// One page of fields per label kind, without tabs; the main window makes
// the page of the current kind the active one.
class LabelDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int SaveResult = 1;
    static constexpr int CancelResult = 2;

    explicit LabelDialog(QWidget *parent = nullptr);

    void setActivePage(int index);
    int activePage() const;

    void setFields(int kind, const LabelFields &fields);
    LabelFields fields(int kind) const;

    // Shows the dialog over the main window until it is closed, keeping the
    // keys typed while it opens and closes (see TypeAheadDialog).
    int exec() override;
    // The close box and Escape give the cancel result, like 取消.
    void reject() override;
    void setVisible(bool visible) override;

    // The next showing starts with `typed` in the first field, the caret
    // after it, so typing goes on where the grid left off.
    void startWith(const QString &typed);
    // What Ctrl+D (同上) copies into the field that has the focus.
    void setPreviousFields(const LabelFields &previous) { m_previous = previous; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildNamePage();
    QWidget *buildBirthPage();
    QWidget *buildSeatPage();
    QWidget *buildExamPage();
    QWidget *buildButtonBar();
    void copyFieldFromPrevious();

    TypeAheadDialog *m_typeAhead;
    QStackedWidget *m_kindPages;
    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_birthNameEdit = nullptr;
    QLineEdit *m_birthEdit = nullptr;
    QLineEdit *m_addressEdit = nullptr;
    QLineEdit *m_seatNameEdit = nullptr;
    QLineEdit *m_seatAreaEdit = nullptr;
    SeatNumberField *m_seatRowEdit = nullptr;
    SeatNumberField *m_seatNumberEdit = nullptr;
    QLineEdit *m_examNameEdit = nullptr;
    QLineEdit *m_examEdit = nullptr;
    // Each kind's edits, in the order of its dialogFields().
    std::array<QList<QWidget *>, 4> m_fieldEdits;
    LabelFields m_previous;
    bool m_keepCaret = false;
};
