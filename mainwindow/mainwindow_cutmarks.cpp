// The cells whose text printing would cut, judged as the print run composes
// them with the current styles and margins.
#include "mainwindow/mainwindow.h"

#include "composition/labelcomposer.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/cutmark.h"
#include "mainwindow/labelcell.h"
#include "printrun/printrun.h"

#include <QUndoStack>

// Here, where the composer of the marks is a complete type. The children
// outlive this body: the undo stack clears itself as it goes, and a field
// that loses the focus as the window closes finishes its editing. None of
// their signals may reach this half-destroyed window then.
MainWindow::~MainWindow()
{
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

namespace {

// What the judge of the marks depends on; a page turn keeps it, and with it
// the measured fonts.
QString sheetKey(const LabelTemplate &sheet)
{
    QStringList parts{QString::number(sheet.page1.topMarginMm),
                      QString::number(sheet.page1.leftMarginMm),
                      QString::number(sheet.shrinkToFit)};
    for (const TextBoxTemplate &box : sheet.boxes)
        parts << box.font.family << QString::number(box.font.pointSize);
    return parts.join(QChar(u'\n'));
}

} // namespace

void MainWindow::refreshCutMarks()
{
    const std::optional<LabelTemplate> prepared =
        preparedSheet(PrintRun::readMargins(m_folder.settings()));
    if (!prepared)
        m_cutCheck.reset();
    else if (!m_cutCheck || sheetKey(m_cutCheck->layout()) != sheetKey(*prepared))
        m_cutCheck = std::make_unique<LabelComposer>(*prepared);
    for (int number = 1; number <= SheetPage::CellCount; ++number)
        refreshCutMark(number);
}

void MainWindow::refreshCutMark(int number)
{
    LabelCell *memo = m_grid->cell(number);
    if (!memo)
        return;
    if (!m_cutCheck) {
        CutMark::set(memo, false);
        return;
    }
    QStringList values;
    for (const TextBoxTemplate &box : m_cutCheck->layout().boxes)
        values.append(memo->line(box.line));
    CutMark::set(memo, m_cutCheck->label(number, values).isCut());
}
