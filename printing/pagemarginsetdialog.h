#pragma once

#include <QDialog>

class QLineEdit;

namespace PageMarginSetDialog {

// The sys.ini section the dialog reads and writes; the caller sets it
// before each showing.
extern QString MarginSection;

// Where the dialog goes: its top left corner at the mouse cursor, moved left
// or up so that it ends 10 pixels short of the screen's right or bottom edge
// when it would reach past it. The preview button sits at the bottom of the
// window, so without the second rule the OK button could open off screen.
QPoint placeAtCursor(const QPoint &cursor, const QSize &outer, const QRect &screen);

// The stored margin as the dialog shows it: its shortest decimal text, 0 for
// a missing value or one that is not a number.
QString shownMargin(const QString &stored);

} // namespace PageMarginSetDialog

// Sets the top and left print margins in millimetres. Stores what is typed,
// unchecked: every reader treats a value that is not a number as absent.
class TPageMarginSetDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TPageMarginSetDlg(QWidget *parent = nullptr);

    // Fills the edits from sys.ini and moves to the mouse cursor.
    void FormActivate();
    // Stores both edits, as typed, in one write of sys.ini.
    void OkBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString settingsPath() const;

    QLineEdit *LeftMarginEd;
    QLineEdit *TopMarginEd;
};
