#include "frontend/cutlabelsnote.h"

#include <QStringList>

QString cutLabelsNote(const QList<ComposedPage> &pages)
{
    int count = 0;
    QStringList sheets;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const int cut = pages[i].cutLabelCount();
        if (cut == 0)
            continue;
        count += cut;
        sheets.append(QString::number(i + 1));
    }
    if (count == 0)
        return {};
    return QStringLiteral("%1 張標籤的文字超出標籤，列印時會被截斷（第 %2 頁）")
        .arg(count)
        .arg(sheets.join(QStringLiteral("、")));
}
