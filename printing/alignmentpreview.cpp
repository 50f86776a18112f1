#include "printing/alignmentpreview.h"

#include "composition/alignmentsheet.h"
#include "frontend/previewwindow.h"
#include "frontend/usermessages.h"
#include "sheet/labelkinds.h"

void showAlignmentPreview(QWidget *parent, int kind, const PrintRun::Margins &margins)
{
    const std::optional<LabelTemplate> prepared =
        PrintRun::preparedTemplate(kind, margins, {}, {}, {});
    if (!prepared)
        return;
    const auto compose = [prepared](const QPageSize &paper) {
        LabelTemplate sheet = *prepared;
        PrintRun::setPaper(sheet, paper);
        return composeAlignmentSheet(sheet);
    };
    const Composition first = composeAlignmentSheet(*prepared);
    if (first.status == CompositionStatus::NoRowFits) {
        UserMessages::showError(parent, PrintRun::noRowFitsMessage(margins));
        return;
    }
    PreviewWindow preview(compose, first, parent);
    preview.setPrintedPages({labelKind(kind)->stemText(), 1, 1, true});
    preview.setWindowTitle(PreviewWindow::alignmentSheetTitle());
    preview.exec();
}
