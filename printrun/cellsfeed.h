#pragma once

#include "composition/recordfeed.h"
#include "sheet/sheetpage.h"

#include <optional>

// The record fields a label template asks for: n1, n2 and n3 are a cell's
// lines 0, 1 and 2 (any case); anything else is not a field of a cell.
std::optional<int> cellLineOfField(const QString &varName);

// A sheet page's 70 cells as the records of a print run: record n is cell n.
class CellsFeed : public RecordFeed
{
public:
    explicit CellsFeed(const SheetPage::Cells &cells)
        : m_cells(cells)
    { }

    void first() override { m_record = 1; }
    void next() override { ++m_record; }
    bool atEnd() const override { return m_record > SheetPage::CellCount; }
    std::optional<QString> value(const QString &field) const override;

private:
    const SheetPage::Cells &m_cells;
    int m_record = 1;
};
