#include "tests/composition/memoryfeed.h"

MemoryFeed::MemoryFeed(QList<QStringList> records)
    : m_records(std::move(records))
{
}

void MemoryFeed::frxsrdtst1First()
{
    calls.append(QStringLiteral("First"));
    m_recNo = 1;
}

void MemoryFeed::frxsrdtst1Next()
{
    calls.append(QStringLiteral("Next"));
    ++m_recNo;
}

void MemoryFeed::frxsrdtst1Prior()
{
    calls.append(QStringLiteral("Prior"));
    --m_recNo;
}

void MemoryFeed::frxsrdtst1CheckEOF(bool &eof)
{
    calls.append(QStringLiteral("CheckEOF"));
    if (m_recNo > m_records.size())
        eof = true;
}

void MemoryFeed::frxsrdtst1GetValue(const QString &varName, std::optional<QString> &value)
{
    calls.append(QStringLiteral("GetValue ") + varName);
    static const QStringList Fields{QStringLiteral("n1"), QStringLiteral("n2"), QStringLiteral("n3")};
    const qsizetype line = Fields.indexOf(varName, Qt::CaseInsensitive);
    if (line >= 0)
        value = m_records.value(m_recNo - 1).value(line);
}
