#pragma once

#include "composition/textstyle.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QStringList>

#include <optional>

// Breaks the values of one text box into lines. Glyphs are measured at
// 600 dpi against the box's 96 dpi text area, so a value breaks into the
// same lines in the preview and on paper.
class LineBreaker
{
public:
    explicit LineBreaker(const TextStyle &style);

    // `box` in units from the paper corner.
    QStringList lines(const QString &text, const QRectF &box) const;
    // The lines stand inside the text area of `box`: none wider than it and
    // their pitch, one line after another, no taller.
    bool fits(const QStringList &lines, const QRectF &box) const;

private:
    QList<qreal> advances(const QString &text) const;
    qreal width(const QString &line) const;

    std::optional<QFontMetricsF> m_metrics; // none for a size without height
    int m_pointSize;
};
