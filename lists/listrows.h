#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One row of a list as the file holds it: the fields as read (not cleaned)
// and the row's number in the source, counted as a spreadsheet shows it, so
// a value that cannot be stored can be reported by row.
struct ListRow {
    int sourceRow = 0;
    QStringList fields;
};

// The rows of a list file, or why it could not be read. Empty fields at the
// end of a row are dropped, and rows left with no field are left out (their
// numbers are not reused), so a CSV and a workbook of the same cells give
// the same rows.
struct ListRead {
    QList<ListRow> rows;
    QString problem; // Traditional Chinese, for the user; empty on success
    QString notice; // what was left unread, for the user; empty when nothing was
    bool cancelled = false; // the user stopped the read: no rows, no problem

    bool ok() const { return problem.isEmpty() && !cancelled; }

    static ListRead refused(const QString &problem) { return {{}, problem, {}, false}; }
    static ListRead stopped() { return {{}, {}, {}, true}; }
};

// Told of a long read's progress (the work done and in all, in units of
// the reader's choosing); false once the user has cancelled it.
using ListProgress = std::function<bool(int done, int total)>;
