#include "printing/testsheet.h"

#include "printing/cellsfeed.h"

namespace PrintRun {

Composition testSheet(const LabelTemplate &prepared)
{
    SheetPage::Cells numbers;
    for (int cell = 1; cell <= SheetPage::CellCount; ++cell)
        numbers[cell - 1] = {QString::number(cell)};
    CellsFeed feed(numbers);
    return composeLabelPages(prepared, feed);
}

} // namespace PrintRun
