#include "composition/textlayout.h"

#include "composition/reportunits.h"

namespace TextLayout {

namespace {

constexpr double DotsPerUnitAt600 = ReportUnits::dotsPerUnit(600);

int alignedOffset(qreal freeSpace, bool centred, bool toFarEnd)
{
    if (centred)
        return int(ReportUnits::roundHalfEven(freeSpace / 2));
    return toFarEnd ? int(ReportUnits::roundHalfEven(freeSpace)) : 0;
}

qreal widthOf(const QList<qreal> &advances, qsizetype from, qsizetype to)
{
    qreal width = 0;
    for (qsizetype i = from; i < to; ++i)
        width += advances[i];
    return width;
}

} // namespace

int characterDotsAt600(int pointSize)
{
    return int(ReportUnits::roundHalfEven(pointSize * 600.0 / 72.0));
}

double characterHeight(int pointSize)
{
    return characterDotsAt600(pointSize) / DotsPerUnitAt600;
}

double linePitch(int pointSize)
{
    return characterHeight(pointSize) + LineSpacing;
}

double requiredHeight(int lineCount, int pointSize)
{
    return ReportUnits::roundHalfEven(lineCount * linePitch(pointSize) + 2 * GapY);
}

QFont labelFont(const TextStyle &style)
{
    QFont font(style.family);
    font.setPointSizeF(characterHeight(style.pointSize) / ReportUnits::PerPoint);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QRect textArea(const QRectF &box, double dotsPerUnitX, double dotsPerUnitY)
{
    const int left = ReportUnits::toDots(box.left(), dotsPerUnitX);
    const int top = ReportUnits::toDots(box.top(), dotsPerUnitY);
    const int right = ReportUnits::toDots(box.left() + box.width(), dotsPerUnitX);
    const int bottom = ReportUnits::toDots(box.top() + box.height(), dotsPerUnitY);
    const int gapX = ReportUnits::toDots(GapX, dotsPerUnitX);
    const int gapY = ReportUnits::toDots(GapY, dotsPerUnitY);
    // QRect's right and bottom are the last dot inside, one less than the limit.
    return QRect(QPoint(left + gapX, top + gapY), QPoint(right - gapX, bottom - gapY));
}

QStringList breakLines(const QString &text, const QList<qreal> &advances, qreal width)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype lastSpace = -1;
    qreal lineWidth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool isSpace = text.at(i) == u' ';
        while (lineWidth + advances[i] > width && i > start) {
            // A space that overflows ends the line as well as one that fits.
            const qsizetype space = isSpace ? i : lastSpace;
            if (space >= start) {
                lines.append(text.mid(start, space - start));
                start = space + 1;
            } else {
                lines.append(text.mid(start, i - start));
                start = i;
            }
            lastSpace = -1;
            lineWidth = widthOf(advances, start, i);
        }
        if (i < start)
            continue; // the overflowing space just dropped
        if (isSpace)
            lastSpace = i;
        lineWidth += advances[i];
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

int blockTop(const QRect &area, qreal blockHeight, Qt::Alignment alignment)
{
    return area.top()
        + alignedOffset(area.height() - blockHeight, alignment & Qt::AlignVCenter,
                        alignment & Qt::AlignBottom);
}

int lineLeft(const QRect &area, qreal lineWidth, Qt::Alignment alignment)
{
    return area.left()
        + alignedOffset(area.width() - lineWidth, alignment & Qt::AlignHCenter,
                        alignment & Qt::AlignRight);
}

} // namespace TextLayout
