#pragma once

#include "composition/recordfeed.h"

#include <QList>
#include <QStringList>

// Records held in memory, one list of lines a record, answered like the
// main window's cells: n1 to n3 are lines 0 to 2 (case-insensitive), a
// missing line is empty text, any other field is not known. Every call is
// written to `calls`, e.g. "First", "AtEnd", "Value n2", "Next".
class MemoryFeed : public RecordFeed
{
public:
    explicit MemoryFeed(QList<QStringList> records);

    void first() override;
    void next() override;
    bool atEnd() const override;
    std::optional<QString> value(const QString &field) const override;

    mutable QStringList calls;

private:
    QList<QStringList> m_records;
    int m_recNo = 0;
};
