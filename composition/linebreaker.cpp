#include "composition/linebreaker.h"

#include "composition/reportunits.h"
#include "composition/textlayout.h"

#include <algorithm>
#include <numeric>

namespace {

std::optional<QFontMetricsF> metricsAt600(const TextStyle &style)
{
    const int dots = TextLayout::characterDotsAt600(style.pointSize);
    if (dots <= 0)
        return std::nullopt;
    QFont font = TextLayout::labelFont(style);
    font.setPixelSize(dots);
    return QFontMetricsF(font);
}

} // namespace

LineBreaker::LineBreaker(const TextStyle &style)
    : m_metrics(metricsAt600(style))
    , m_pointSize(style.pointSize)
{ }

QStringList LineBreaker::lines(const QString &text, const QRectF &box) const
{
    const qreal areaWidthAt600 =
        TextLayout::textArea(box, 1, 1).width() * ReportUnits::dotsPerUnit(600);
    return TextLayout::breakLines(text, advances(text), areaWidthAt600);
}

bool LineBreaker::fits(const QStringList &lines, const QRectF &box) const
{
    if (lines.isEmpty() || !m_metrics)
        return true;
    const QRect area = TextLayout::textArea(box, 1, 1);
    if (lines.size() * TextLayout::linePitch(m_pointSize) > area.height())
        return false;
    const qreal areaWidthAt600 = area.width() * ReportUnits::dotsPerUnit(600);
    return std::all_of(lines.cbegin(), lines.cend(),
                       [&](const QString &line) { return width(line) <= areaWidthAt600; });
}

qreal LineBreaker::width(const QString &line) const
{
    const QList<qreal> widths = advances(line);
    return std::accumulate(widths.cbegin(), widths.cend(), qreal(0));
}

// One glyph width per character; the second half of a surrogate pair gets 0
// so that a pair is never split. Text without height takes no width.
QList<qreal> LineBreaker::advances(const QString &text) const
{
    QList<qreal> widths(text.size(), 0);
    if (!m_metrics)
        return widths;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate())
            continue;
        const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
        widths[i] = length == 1 ? m_metrics->horizontalAdvance(text.at(i))
                                : m_metrics->horizontalAdvance(text.mid(i, length));
    }
    return widths;
}
