#include "linebreaker.h"

#include "reportunits.h"
#include "textlayout.h"

namespace {

QFont fontAt600(const TextStyle &style)
{
    QFont font = TextLayout::labelFont(style);
    font.setPixelSize(TextLayout::characterDotsAt600(style.pointSize));
    return font;
}

} // namespace

LineBreaker::LineBreaker(const TextStyle &style)
    : m_metrics(fontAt600(style))
{
}

QStringList LineBreaker::lines(const QString &text, const QRectF &box) const
{
    const qreal areaWidthAt600 = TextLayout::textArea(box, 1, 1).width() * ReportUnits::dotsPerUnit(600);
    return TextLayout::breakLines(text, advances(text), areaWidthAt600);
}

// One glyph width per character; the second half of a surrogate pair gets 0
// so that a pair is never split.
QList<qreal> LineBreaker::advances(const QString &text) const
{
    QList<qreal> widths(text.size(), 0);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate())
            continue;
        const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
        widths[i] = length == 1 ? m_metrics.horizontalAdvance(text.at(i))
                                : m_metrics.horizontalAdvance(text.mid(i, length));
    }
    return widths;
}
