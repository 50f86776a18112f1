#pragma once

#include "lists/listrows.h"

#include <QtGlobal>

// How much of a list file is read. A temple's list is some thousands of
// names with a few columns each; these bounds lie far beyond that and keep
// the program well within 300 MB and a few seconds whatever a file holds.
namespace ListLimits {

constexpr qint64 MaxFileBytes = 20 << 20; // on disk
constexpr int MaxRows = 100000; // rows with a value
constexpr int MaxColumns = 64; // values past them are left unread
constexpr qint64 MaxCells = 1000000; // with a value; also a workbook's shared strings
constexpr qint64 MaxTextChars = 20000000; // held in memory: what a CSV of 20 MB can hold

// A list file must hold a value: `read` as it is, or the problem that it
// holds none (in the columns read).
ListRead requireValue(ListRead read);

// The words users read for a list that is too large.
QString fileTooLarge(qint64 bytes);
QString partTooLarge(const QString &part, qint64 limitBytes);

} // namespace ListLimits

// Gathers the rows of a list within the limits: values past the last column
// read are left out (and the notice says so), and the list is refused as
// soon as it holds more rows, cells or text than is read.
class ListCollector
{
public:
    static bool readsColumn(qsizetype column) { return column < ListLimits::MaxColumns; }

    // A value in a column past the last one read.
    void leaveOut() { m_columnsCut = true; }

    // Counts text held for the list; false once there is too much.
    bool holdText(qsizetype chars);
    // The same for one of a workbook's shared strings, which count as cells.
    bool holdSharedText(qsizetype chars);

    // Takes a row, without its empty fields at the end and not at all when
    // it has no value; false once the list has too many rows or cells.
    bool add(int sourceRow, QStringList fields);

    bool over() const { return !m_problem.isEmpty(); }

    // The rows and notice, or the problem that ended the read.
    ListRead finish();

private:
    bool refuse(const QString &problem);

    QList<ListRow> m_rows;
    qint64 m_cells = 0;
    qint64 m_sharedTexts = 0;
    qint64 m_chars = 0;
    bool m_columnsCut = false;
    QString m_problem;
};

// Tells a ListProgress of work counted in bytes (or characters): none
// done at the first call, then every 256 kB, in kB.
class ByteProgress
{
public:
    ByteProgress(const ListProgress &progress, qint64 total);

    // False once the user has cancelled.
    bool at(qint64 done);

private:
    const ListProgress &m_progress;
    qint64 m_total;
    qint64 m_next = 0;
    bool m_cancelled = false;
};
