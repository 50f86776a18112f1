#include "frontend/cutlabelsnote.h"

#include <QStringList>

QString cutLabelsNote(const SheetRun &run)
{
    int count = 0;
    int number = 0;
    QStringList sheets;
    run.forEachSheet(1, run.sheetCount(), [&](const ComposedPage &sheet) {
        ++number;
        if (const int cut = sheet.cutLabelCount(); cut > 0) {
            count += cut;
            sheets.append(QString::number(number));
        }
        return true;
    });
    if (count == 0)
        return {};
    return QStringLiteral("%1 張標籤的文字超出標籤，列印時會被截斷（第 %2 頁）")
        .arg(count)
        .arg(sheets.join(QStringLiteral("、")));
}
