#pragma once

#include "composition/composedpage.h"
#include "composition/labeltemplate.h"
#include "composition/linebreaker.h"

#include <QPointF>
#include <QStringList>

#include <map>
#include <utility>

// The text boxes of one label: each value broken into lines, text that does
// not fit its stored box or runs into the text of another box marked cut, a cut label shrunk where
// the template asks for it, and boxes that follow their text stretched. The page composer and the
// check of a single cell share it, so both judge a label alike.
class LabelComposer
{
public:
    explicit LabelComposer(LabelTemplate layout);

    const LabelTemplate &layout() const { return m_layout; }

    // `values` in the order of the template's boxes (missing ones empty);
    // `position` is the label's top left corner from the page origin.
    QList<ComposedTextBox> boxes(const QPointF &position, const QStringList &values) const;

    // Where record `record` (1 upward) stands on its page when every label
    // keeps the band's height, as the composer places a full sheet.
    QPointF position(int record) const;
    // Record `record` alone, where it stands on its page.
    PlacedLabel label(int record, const QStringList &values) const;

private:
    void judge(QList<ComposedTextBox> &boxes, const QPointF &position) const;
    void markOverlaps(QList<ComposedTextBox> &boxes) const;
    ComposedTextBox box(qsizetype index, const QPointF &position, const QString &text,
                        int pointSize) const;
    bool fitsOwnBox(const ComposedTextBox &composed, qsizetype index,
                    const QPointF &position) const;
    void shrink(QList<ComposedTextBox> &boxes, const QPointF &position) const;
    const LineBreaker &breaker(qsizetype index, int pointSize) const;

    LabelTemplate m_layout;
    QPointF m_paperOffset; // from the paper corner to the page origin
    mutable std::map<std::pair<qsizetype, int>, LineBreaker> m_breakers; // by box and size
};
