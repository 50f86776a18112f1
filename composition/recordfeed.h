#pragma once

#include <QString>

#include <optional>

// The records a label page is composed from, one label each. The composer
// calls first, then per record the end test, the values its boxes show and
// next; the main window answers from its cells.
class RecordFeed
{
public:
    virtual ~RecordFeed() = default;

    virtual void frxsrdtst1First() = 0;
    virtual void frxsrdtst1Next() = 0;
    virtual void frxsrdtst1Prior() = 0;
    // Sets `eof` to true when there is no current record; otherwise leaves it.
    virtual void frxsrdtst1CheckEOF(bool &eof) = 0;
    // Sets `value` for the fields it knows; leaves it unset for any other.
    // Repeated questions about one record get the same answer.
    virtual void frxsrdtst1GetValue(const QString &varName, std::optional<QString> &value) = 0;
};
