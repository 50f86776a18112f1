#pragma once

#include "sheet/sheetpage.h"

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>

// Finding text in the labels of every page file of every kind in a folder.
// Page files are only read, each once.
namespace LabelSearch {

struct Hit {
    int kind = 0;
    int page = 0;
    int cell = 0; // 1 to 70
    QStringList lines; // the label's lines that hold text
};

// The page on screen, searched as shown instead of its file.
struct ShownPage {
    int kind = 0;
    int page = 0;
    SheetPage::Cells cells;
};

struct Result {
    QList<Hit> hits; // by kind, then page, then cell
    QStringList unreadableFiles; // page files that exist but could not be read
};

// Case and the full-width and half-width forms folded away (compatibility
// normalisation), so that "ＷＡＮＧ　１" finds "wang 1".
QString folded(QStringView text);

// The page numbers that have a file of the kind in `folder`, ascending.
QList<int> pagesOf(const QDir &folder, int kind);

// Every label with a line that holds `text`, folded; none for blank text.
Result search(const QDir &folder, const QString &text, const ShownPage &shown);

} // namespace LabelSearch
