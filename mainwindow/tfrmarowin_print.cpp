// The print run: the cells on screen, saved or not, as 70 records of the
// current kind's label sheet, previewed and printed.
#include "mainwindow/tfrmarowin.h"

#include "mainwindow/cellgrid.h"
#include "mainwindow/memocell.h"
#include "frontend/previewwindow.h"
#include "printing/printrun.h"
#include "editing/stylepanel.h"
#include "sheet/sysini.h"
#include "frontend/usermessages.h"

namespace {

PrintRun::BoxStyle boxStyle(const TextStylePanel *panel)
{
    return {panel->fontName(), double(panel->size()), panel->color()};
}

void setPaper(LabelTemplate &sheet, const QPageSize &paper)
{
    const QSizeF size = paper.size(QPageSize::Millimeter);
    sheet.page1.paperWidthMm = size.width();
    sheet.page1.paperHeightMm = size.height();
    sheet.page1.paperSize = paper.windowsId();
}

} // namespace

void TFrMarowin::btn1Click()
{
    if (const std::unique_ptr<PreviewWindow> preview = makePreview())
        preview->exec();
}

std::unique_ptr<PreviewWindow> TFrMarowin::makePreview()
{
    const PrintRun::Margins margins = PrintRun::readMargins(SysIni::fileName());
    const std::optional<LabelTemplate> prepared = PrintRun::preparedTemplate(
        FMode, margins, boxStyle(pnl8), boxStyle(pnl10), boxStyle(pnl9));
    if (!prepared)
        return nullptr;
    const Composition first = composeLabelPages(*prepared, *this);
    if (first.status == CompositionStatus::NoRowFits) {
        UserMessages::showError(this, PrintRun::noRowFitsMessage(margins));
        return nullptr;
    }
    return std::make_unique<PreviewWindow>(
        [this, prepared](const QPageSize &paper) {
            LabelTemplate sheet = *prepared;
            setPaper(sheet, paper);
            return composeLabelPages(sheet, *this);
        },
        first, this);
}

void TFrMarowin::frxsrdtst1First()
{
    FRecNo = 1;
}

void TFrMarowin::frxsrdtst1Next()
{
    ++FRecNo;
}

void TFrMarowin::frxsrdtst1Prior()
{
    --FRecNo;
}

void TFrMarowin::frxsrdtst1CheckEOF(bool &eof)
{
    if (FRecNo > SheetPage::CellCount)
        eof = true;
}

void TFrMarowin::frxsrdtst1GetValue(const QString &varName, std::optional<QString> &value)
{
    static const QStringList fields{QStringLiteral("n1"), QStringLiteral("n2"), QStringLiteral("n3")};
    for (int line = 0; line < fields.size(); ++line) {
        if (varName.compare(fields[line], Qt::CaseInsensitive) == 0) {
            const MemoCell *memo = pnlgrid->cell(FRecNo);
            value = memo ? memo->line(line) : QString();
            return;
        }
    }
    // n4, n5 and anything else stay unanswered.
}
