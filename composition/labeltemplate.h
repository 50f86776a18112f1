#pragma once

#include "composition/textstyle.h"
#include "sheet/labelkinds.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

// The fixed print layout of one label kind: the paper, one data band that
// repeats once per record in label columns, and the text boxes of a label.
// Geometry is in report units, paper and margins in millimetres.

enum class StretchMode {
    DontStretch, // smDontStretch
    ActualHeight, // smActualHeight: the box grows to fit its lines, never shrinks
};

struct TextBoxTemplate {
    QString name; // Memo1 to Memo3
    QString field; // n1 to n3, the record field the box shows
    int line = 0; // the cell line that field is, 0 to 2
    StylePanel panel = StylePanel::Name; // the style panel that sets its font
    QRectF rect; // from the top left corner of its label
    TextStyle font;
    Qt::Alignment alignment;
    StretchMode stretchMode = StretchMode::DontStretch;
};

struct ReportPage {
    double paperWidthMm = 0;
    double paperHeightMm = 0;
    int paperSize = 0; // Windows paper size code
    double leftMarginMm = 0;
    double rightMarginMm = 0;
    double topMarginMm = 0;
    double bottomMarginMm = 0;
};

struct MasterDataBand {
    int columns = 0;
    double columnWidth = 0;
    double columnGap = 0;
    double height = 0;

    double columnPitch() const { return columnWidth + columnGap; }
};

struct RecordFeedDeclaration {
    QString userName;
    QStringList fields;
};

struct LabelTemplate {
    QString name; // frxrprt1 to frxrprt4
    ReportPage page1;
    MasterDataBand masterData1;
    QList<TextBoxTemplate> boxes; // stored order, which is also the order they ask the feed
    RecordFeedDeclaration dataSet;
    // A label whose text is cut prints each box at the largest whole size,
    // down to SmallestShrunkSize, at which its text fits.
    bool shrinkToFit = false;
};

constexpr int SmallestShrunkSize = 6;

// The paper and the label band every kind's template shares: A4 with its
// stored margins, 5 columns of labels 20.9 mm high.
const ReportPage &sheetPaper();
const MasterDataBand &labelBand();

// A copy of the template of label kind 1 to 4, for the print run to set
// margins and fonts on; nullopt for any other kind.
std::optional<LabelTemplate> labelTemplate(int kind);
