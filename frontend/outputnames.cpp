#include "frontend/outputnames.h"

namespace OutputNames {

namespace {

QString kindOf(const PrintedPages &pages)
{
    return pages.kind.isEmpty() ? QStringLiteral("標籤") : pages.kind;
}

} // namespace

QString contents(const PrintedPages &pages)
{
    if (pages.alignmentSheet)
        return QStringLiteral("對位測試頁");
    if (pages.last <= pages.first)
        return QStringLiteral("第%1頁").arg(pages.first);
    return QStringLiteral("第%1-%2頁").arg(pages.first).arg(pages.last);
}

QString pdfFileName(const PrintedPages &pages)
{
    return kindOf(pages) + u'_' + contents(pages) + QStringLiteral(".pdf");
}

QString title(const PrintedPages &pages)
{
    return QStringLiteral("岑禾 ") + kindOf(pages) + u' ' + contents(pages);
}

} // namespace OutputNames
