#pragma once

#include <QString>

// What a print run holds, told the same way in an exported file's name, its
// PDF title and the print job's title.
struct PrintedPages {
    QString kind; // the kind's name, such as "姓名"
    int first = 1; // sheet page numbers of the run
    int last = 1;
    bool alignmentSheet = false;
};

namespace OutputNames {

// "第3-12頁", "第3頁" or "對位測試頁".
QString contents(const PrintedPages &pages);
// "姓名_第3-12頁.pdf"
QString pdfFileName(const PrintedPages &pages);
// "岑禾 姓名 第3-12頁"
QString title(const PrintedPages &pages);

} // namespace OutputNames
