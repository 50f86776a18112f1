#include "tests/composition/memoryfeed.h"

MemoryFeed::MemoryFeed(QList<QStringList> records)
    : m_records(std::move(records))
{ }

void MemoryFeed::first()
{
    calls.append(QStringLiteral("First"));
    m_recNo = 1;
}

void MemoryFeed::next()
{
    calls.append(QStringLiteral("Next"));
    ++m_recNo;
}

bool MemoryFeed::atEnd() const
{
    calls.append(QStringLiteral("AtEnd"));
    return m_recNo > m_records.size();
}

std::optional<QString> MemoryFeed::value(const QString &field) const
{
    calls.append(QStringLiteral("Value ") + field);
    static const QStringList Fields{QStringLiteral("n1"), QStringLiteral("n2"),
                                    QStringLiteral("n3")};
    const qsizetype line = Fields.indexOf(field, Qt::CaseInsensitive);
    if (line < 0)
        return std::nullopt;
    return m_records.value(m_recNo - 1).value(line);
}
