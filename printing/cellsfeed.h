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

    void frxsrdtst1First() override { m_record = 1; }
    void frxsrdtst1Next() override { ++m_record; }
    void frxsrdtst1Prior() override { --m_record; }
    void frxsrdtst1CheckEOF(bool &eof) override;
    void frxsrdtst1GetValue(const QString &varName, std::optional<QString> &value) override;

private:
    const SheetPage::Cells &m_cells;
    int m_record = 1;
};
