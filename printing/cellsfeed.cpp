#include "printing/cellsfeed.h"

std::optional<int> cellLineOfField(const QString &varName)
{
    static const QStringList fields{QStringLiteral("n1"), QStringLiteral("n2"),
                                    QStringLiteral("n3")};
    for (int line = 0; line < fields.size(); ++line) {
        if (varName.compare(fields[line], Qt::CaseInsensitive) == 0)
            return line;
    }
    return std::nullopt;
}

void CellsFeed::frxsrdtst1CheckEOF(bool &eof)
{
    if (m_record > SheetPage::CellCount)
        eof = true;
}

void CellsFeed::frxsrdtst1GetValue(const QString &varName, std::optional<QString> &value)
{
    const std::optional<int> line = cellLineOfField(varName);
    if (!line)
        return;
    value = m_record >= 1 && m_record <= SheetPage::CellCount
        ? SheetPage::lineOf(m_cells[m_record - 1], *line)
        : QString();
}
