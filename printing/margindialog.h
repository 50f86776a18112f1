#pragma once

#include <QDialog>

class DataFolder;
class QLineEdit;

namespace MarginEditing {

// Where the dialog goes: its top left corner at the mouse cursor, moved left
// or up so that it ends 10 pixels short of the screen's right or bottom edge
// when it would reach past it. The preview button sits at the bottom of the
// window, so without the second rule the OK button could open off screen.
QPoint placeAtCursor(const QPoint &cursor, const QSize &outer, const QRect &screen);

// The stored margin as the dialog shows it: its shortest decimal text, or
// the default that prints for a missing value, one that is not a number or
// one not above 0.
QString shownMargin(const QString &stored, double defaultMargin);

// Opens the dialog for label kind `kind` (its alignment sheet) with its
// caption and section; true when the margins were stored (in a run that
// writes nothing, kept for the run).
bool edit(QWidget *parent, int kind, DataFolder &folder);

} // namespace MarginEditing

// Sets the top and left print margins in millimetres. Stores what is typed,
// unchecked: every reader treats a value that is not a number as absent.
// The margins are read from and stored through the run's data folder, which
// keeps them in memory when the run writes nothing.
class MarginDialog : public QDialog
{
    Q_OBJECT

public:
    // `kind` is the label kind whose alignment sheet 對位測試頁 shows; none
    // for 0.
    explicit MarginDialog(DataFolder &folder, QWidget *parent = nullptr, int kind = 0);

    // Fills the edits from the settings and moves to the mouse cursor.
    void prepare();
    // Stores both edits, as typed, in one write of sys.ini.
    void storeMargins();
    // The alignment sheet at the margins as typed, in a preview.
    void showAlignmentSheet();

protected:
    void showEvent(QShowEvent *event) override;

private:
    DataFolder &m_folder;
    int m_kind;
    QLineEdit *m_leftMargin;
    QLineEdit *m_topMargin;
};
