#include "composition/alignmentsheet.h"

#include "composition/recordfeed.h"
#include "composition/reportunits.h"
#include "sheet/sheetpage.h"

#include <cmath>

namespace {

constexpr double CrossGapMm = 4; // the number stands in the gap
constexpr double CrossArmEndMm = 6.5;
constexpr double ScaleFigurePointSize = 5;
constexpr double FigureClearanceMm = 1.2; // from a tick's end to its figure's centre

// As many records as a sheet page holds, each without a value.
class BlankRecords : public RecordFeed
{
public:
    void first() override { m_record = 1; }
    void next() override { ++m_record; }
    bool atEnd() const override { return m_record > SheetPage::CellCount; }
    std::optional<QString> value(const QString &) const override { return std::nullopt; }

private:
    int m_record = 1;
};

double mm(double millimetres)
{
    return ReportUnits::fromMm(millimetres);
}

// Tick lengths: longest at zero, then whole and half millimetres.
double tickLengthMm(int halfSteps)
{
    if (halfSteps == 0)
        return 4;
    return halfSteps % 2 == 0 ? 2 : 1;
}

// -2 and +2 carry figures; the zero needs none, lying on the label's edge
// (whose outline would cross its figure out), and the whole millimetres
// between are counted on the longer ticks.
bool isFigured(int halfSteps)
{
    return halfSteps != 0 && halfSteps % 4 == 0;
}

QString scaleFigure(int halfSteps)
{
    const int whole = halfSteps / 2;
    return whole > 0 ? QStringLiteral("+%1").arg(whole) : QString::number(whole);
}

// A scale across a horizontal edge at `edge` (its zero), reading downward.
void addScaleAcrossTopEdge(PageMarks &marks, const QPointF &edge)
{
    const int reach = int(std::lround(AlignmentSheet::ScaleReachMm / AlignmentSheet::ScaleStepMm));
    marks.lines.append(QLineF(edge - QPointF(0, mm(AlignmentSheet::ScaleReachMm)),
                              edge + QPointF(0, mm(AlignmentSheet::ScaleReachMm))));
    for (int step = -reach; step <= reach; ++step) {
        const QPointF at = edge + QPointF(0, mm(step * AlignmentSheet::ScaleStepMm));
        const double half = mm(tickLengthMm(step) / 2);
        marks.lines.append(QLineF(at - QPointF(half, 0), at + QPointF(half, 0)));
        if (isFigured(step))
            marks.figures.append({scaleFigure(step), at + QPointF(half + mm(FigureClearanceMm), 0),
                                  ScaleFigurePointSize});
    }
}

// A scale across a vertical edge at `edge` (its zero), reading rightward.
void addScaleAcrossLeftEdge(PageMarks &marks, const QPointF &edge)
{
    const int reach = int(std::lround(AlignmentSheet::ScaleReachMm / AlignmentSheet::ScaleStepMm));
    marks.lines.append(QLineF(edge - QPointF(mm(AlignmentSheet::ScaleReachMm), 0),
                              edge + QPointF(mm(AlignmentSheet::ScaleReachMm), 0)));
    for (int step = -reach; step <= reach; ++step) {
        const QPointF at = edge + QPointF(mm(step * AlignmentSheet::ScaleStepMm), 0);
        const double half = mm(tickLengthMm(step) / 2);
        marks.lines.append(QLineF(at - QPointF(0, half), at + QPointF(0, half)));
        if (isFigured(step))
            marks.figures.append({scaleFigure(step), at + QPointF(0, half + mm(FigureClearanceMm)),
                                  ScaleFigurePointSize});
    }
}

// Four arms pointing at `centre`, leaving its middle free for the number.
void addCross(PageMarks &marks, const QPointF &centre)
{
    for (const QPointF direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        marks.lines.append(
            QLineF(centre + direction * mm(CrossGapMm), centre + direction * mm(CrossArmEndMm)));
}

PageMarks checkMarks(const ComposedPage &sheet)
{
    PageMarks marks = labelOutlines(sheet, Qt::black);
    for (const PlacedLabel &label : sheet.labels) {
        const QRectF box = labelBox(sheet, label);
        addCross(marks, box.center());
        marks.figures.append(
            {QString::number(label.record), box.center(), AlignmentSheet::NumberPointSize});
        if (qFuzzyIsNull(box.top()))
            addScaleAcrossTopEdge(marks, QPointF(box.center().x(), box.top()));
        if (label.column == 1)
            addScaleAcrossLeftEdge(marks, QPointF(box.left(), box.center().y()));
    }
    return marks;
}

} // namespace

Composition composeAlignmentSheet(const LabelTemplate &prepared)
{
    LabelTemplate grid = prepared;
    grid.boxes.clear();
    BlankRecords feed;
    Composition composition = composeLabelPages(grid, feed);
    if (composition.status != CompositionStatus::Composed)
        return composition;
    composition.pages.resize(1);
    ComposedPage &sheet = composition.pages.first();
    sheet.marks = checkMarks(sheet);
    return composition;
}

PageMarks labelOutlines(const ComposedPage &page, const QColor &colour)
{
    PageMarks marks;
    marks.colour = colour;
    for (const PlacedLabel &label : page.labels)
        marks.outlines.append(labelBox(page, label));
    return marks;
}
