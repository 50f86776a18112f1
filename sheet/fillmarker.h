#pragma once

#include "files/filefailure.h"

#include <QFile>
#include <QString>

#include <optional>

// A fill under way (a paste, an import, or the undo of one), recorded in the
// data folder while it writes its pages, so that a fill cut short by a crash
// is told at the next start with the pages it had written. The name is no
// page file and not sys.ini; older versions leave it alone.
class FillMarker
{
public:
    static QString fileName() { return QStringLiteral("岑禾填入中.ini"); }

    struct Record {
        QString stem; // the kind's page file stem
        QString action; // what wrote the pages ("貼上", "復原貼上")
        int firstPage = 0; // 0 when the marker could not be read
        int lastPage = 0; // the last page it was to write
        int writtenThrough = 0; // the last page written, 0 before the first
        int lastRow = 0; // the last row stored, 0 where rows do not apply
    };

    explicit FillMarker(const QString &path);

    // Before the first page is written: written through to the disk.
    [[nodiscard]] FileResult begin(const Record &record);
    // After each page: one line added, not synced, so that it costs next to
    // nothing; a crash of the whole system may lose the last lines.
    [[nodiscard]] FileResult pageWritten(int page, int lastRow);
    // Once the fill is over, finished or stopped.
    [[nodiscard]] FileResult finish();

    // The record a fill that never finished left; none when there is no
    // marker.
    static std::optional<Record> leftBehind(const QString &path);

    // What the next start tells of it: "上次填入於第 1 頁中斷（貼上，姓名1.ini
    // 到 姓名5.ini），已寫入第 1–2 頁，至第 140 列。"
    static QString report(const Record &record);

private:
    FileResult failure();

    QFile m_file;
};
