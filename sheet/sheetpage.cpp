#include "sheet/sheetpage.h"

#include "ini/inidocument.h"

namespace SheetPage {

QString lineOf(const QStringList &cell, int index)
{
    return index >= 0 && index < cell.size() ? cell[index] : QString();
}

QString pageFileName(const QString &stem, int page)
{
    return stem + QString::number(page) + QStringLiteral(".ini");
}

PageRead readPageReporting(const QString &path)
{
    const IniDocument doc = IniDocument::load(path);
    PageRead read;
    read.unreadable = doc.unreadable();
    Cells &cells = read.cells;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const QString section = QString::number(cell);
        QStringList &lines = cells[cell - 1];
        for (int line = 0; line < StoredLines; ++line)
            lines.append(doc.value(section, QString::number(line)));
    }
    return read;
}

namespace {

bool storesOtherText(const IniDocument &doc, const Cells &cells)
{
    for (int cell = 1; cell <= CellCount; ++cell) {
        const QString section = QString::number(cell);
        for (int line = 0; line < StoredLines; ++line) {
            if (doc.value(section, QString::number(line)) != lineOf(cells[cell - 1], line))
                return true;
        }
    }
    return false;
}

} // namespace

bool sameStoredLines(const QStringList &one, const QStringList &other)
{
    for (int line = 0; line < StoredLines; ++line) {
        if (lineOf(one, line) != lineOf(other, line))
            return false;
    }
    return true;
}

FileResult writePage(const QString &path, const Cells &cells, QString *damagedCopy)
{
    IniDocument doc = IniDocument::load(path);
    int unstorable = 0; // the first cell whose text a page file cannot hold
    // A page saved as it was read gains no lines: those it lacks read as
    // empty already, and adding them could take it past the size reading
    // takes. A new or changed page gets every line of every cell, as page
    // files have always been written.
    if (doc.isEmpty() || storesOtherText(doc, cells)) {
        for (int cell = 1; cell <= CellCount; ++cell) {
            const QString section = QString::number(cell);
            for (int line = 0; line < StoredLines; ++line) {
                if (!doc.setValue(section, QString::number(line), lineOf(cells[cell - 1], line))
                    && !unstorable)
                    unstorable = cell;
            }
        }
    }
    FileResult failure = doc.save();
    if (damagedCopy)
        *damagedCopy = doc.damagedCopyPath();
    if (failure && unstorable)
        failure->reason = QStringLiteral("第 %1 格：%2").arg(unstorable).arg(failure->reason);
    return failure;
}

} // namespace SheetPage
