#include "printrun/cellsfeed.h"

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

std::optional<QString> CellsFeed::value(const QString &field) const
{
    const std::optional<int> line = cellLineOfField(field);
    if (!line)
        return std::nullopt;
    return m_record >= 1 && m_record <= SheetPage::CellCount
        ? SheetPage::lineOf(m_cells[m_record - 1], *line)
        : QString();
}
