#pragma once

#include "lists/listrows.h"
#include "sheet/labelfill.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

// The import dialog: the first rows of a list file, whether its first row
// is a header, and which column goes to which field of the label kind.
class ListImportDialog : public QDialog
{
    Q_OBJECT

public:
    ListImportDialog(int kind, const QList<ListRow> &rows, QWidget *parent = nullptr);

    // Says what of the file was left unread, above its rows; nothing when empty.
    void showNotice(const QString &notice);

    // The rows to fill, values in the editing dialog's field order (kind 3:
    // the seat text when a column is chosen for it, else zone, row, number).
    QList<LabelFill::Row> chosenRows() const;

private:
    void showColumns();
    int columnFor(int field) const;
    QList<ListRow> dataRows() const;

    int m_kind;
    QList<ListRow> m_rows;
    int m_columns = 0;
    QLabel *m_notice = nullptr;
    QCheckBox *m_header = nullptr;
    QTableWidget *m_preview = nullptr;
    QList<QComboBox *> m_fields;
};
