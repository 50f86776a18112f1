#include "composition/labeltemplate.h"

#include "sheet/labelkinds.h"

#include <array>
#include <span>

// The four label layouts, with the values the sheets were measured for. The
// band and box geometry is kept to the digit as it was stored: the grid
// positions printed on paper depend on it.

namespace {

const ReportPage A4Page1{
    .paperWidthMm = 210.0,
    .paperHeightMm = 297.0,
    .paperSize = 9,
    .leftMarginMm = 5.0,
    .rightMarginMm = 5.0,
    .topMarginMm = 2.0,
    .bottomMarginMm = 1.0,
};

const MasterDataBand LabelBand{
    .columns = 5,
    .columnWidth = 144.377952755906,
    .columnGap = 7.55905511811024,
    .height = 78.99212598,
};

constexpr double BoxWidth = 140.85838;

// Stored as a 29 px character height (21.75 pt); fonts are whole points here.
// Every print run sets its own size before composing.
const TextStyle StoredFont{QStringLiteral("標楷體"), 22, 0};

// Box n (Memo1 to Memo3) shows field n (n1 to n3), cell line n - 1.
struct BoxGeometry {
    int line;
    double left;
    double top;
    double height;
    StretchMode stretchMode = StretchMode::DontStretch;
};

TextBoxTemplate textBox(const BoxGeometry &box)
{
    const QString number = QString::number(box.line + 1);
    return {QStringLiteral("Memo") + number,
            QStringLiteral("n") + number,
            box.line,
            panelOfLine(box.line),
            QRectF(box.left, box.top, BoxWidth, box.height),
            StoredFont,
            Qt::AlignCenter,
            box.stretchMode};
}

const std::array<BoxGeometry, 1> NameBoxes{{{0, 0, 1.24520714, 74.32622143}}};
const std::array<BoxGeometry, 3> BirthBoxes{
    {{0, 1.44094, 10.76376, 29.11812}, {1, 0, 32.23624, 14.0}, {2, 0, 43.13389, 14.0}}};
const std::array<BoxGeometry, 2> SeatBoxes{{{0, 0, 8.76376, 36.67718}, {1, 0, 39.7953, 21.55906}}};
// The exam name (line 1) above the name (line 0); the exam box grows with its text.
const std::array<BoxGeometry, 2> ExamBoxes{
    {{0, 1.44094, 24.44094, 32.89765}, {1, 0, 9.55906, 29.11812, StretchMode::ActualHeight}}};
const std::array<std::span<const BoxGeometry>, LastKind - FirstKind + 1> BoxesOfKind{
    NameBoxes, BirthBoxes, SeatBoxes, ExamBoxes};

} // namespace

const ReportPage &sheetPaper()
{
    return A4Page1;
}

const MasterDataBand &labelBand()
{
    return LabelBand;
}

std::optional<LabelTemplate> labelTemplate(int kind)
{
    const LabelKindInfo *info = labelKind(kind);
    if (!info)
        return std::nullopt;
    LabelTemplate layout{QString::fromLatin1(info->templateName),
                         A4Page1,
                         LabelBand,
                         {},
                         {QStringLiteral("frxUserDataSet1"),
                          {QStringLiteral("n1"), QStringLiteral("n2"), QStringLiteral("n3"),
                           QStringLiteral("n4"), QStringLiteral("n5")}}};
    for (const BoxGeometry &box : BoxesOfKind[size_t(kind - FirstKind)])
        layout.boxes.append(textBox(box));
    return layout;
}
