#pragma once

#include "composition/recordfeed.h"

#include <QList>
#include <QStringList>

// Records held in memory, one list of lines a record, answered like the
// main window's cells: n1 to n3 are lines 0 to 2 (case-insensitive), a
// missing line is empty text, any other field is left unset. Every call is
// written to `calls`, e.g. "First", "CheckEOF", "GetValue n2", "Next".
class MemoryFeed : public RecordFeed
{
public:
    explicit MemoryFeed(QList<QStringList> records);

    void frxsrdtst1First() override;
    void frxsrdtst1Next() override;
    void frxsrdtst1Prior() override;
    void frxsrdtst1CheckEOF(bool &eof) override;
    void frxsrdtst1GetValue(const QString &varName, std::optional<QString> &value) override;

    QStringList calls;

private:
    QList<QStringList> m_records;
    int m_recNo = 0;
};
