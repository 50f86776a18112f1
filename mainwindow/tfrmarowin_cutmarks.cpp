// The cells whose text printing would cut, judged as the print run composes
// them with the current styles and margins.
#include "mainwindow/tfrmarowin.h"

#include "composition/labelcomposer.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/cutmark.h"
#include "mainwindow/memocell.h"
#include "printing/cellsfeed.h"
#include "printing/printrun.h"
#include "sheet/sysini.h"

// Here, where the composer of the marks is a complete type.
TFrMarowin::~TFrMarowin() = default;

void TFrMarowin::refreshCutMarks()
{
    const std::optional<LabelTemplate> prepared =
        preparedSheet(PrintRun::readMargins(SysIni::fileName()));
    m_cutCheck = prepared ? std::make_unique<LabelComposer>(*prepared) : nullptr;
    for (int number = 1; number <= SheetPage::CellCount; ++number)
        refreshCutMark(number);
}

void TFrMarowin::refreshCutMark(int number)
{
    MemoCell *memo = pnlgrid->cell(number);
    if (!memo)
        return;
    if (!m_cutCheck) {
        CutMark::set(memo, false);
        return;
    }
    QStringList values;
    for (const TextBoxTemplate &box : m_cutCheck->layout().boxes)
        values.append(memo->line(cellLineOfField(box.field).value_or(-1)));
    CutMark::set(memo, m_cutCheck->label(number, values).isCut());
}
