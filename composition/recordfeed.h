#pragma once

#include <QString>

#include <optional>

// The records a label page is composed from, one label each. The composer
// goes to the first record, and while the feed is not at its end, asks the
// values its boxes show and moves to the next.
class RecordFeed
{
public:
    virtual ~RecordFeed() = default;

    virtual void first() = 0;
    virtual void next() = 0;
    // No current record: the page ends here.
    virtual bool atEnd() const = 0;
    // The current record's value of `field`, or nothing for a field the feed
    // does not know (the box then shows nothing).
    virtual std::optional<QString> value(const QString &field) const = 0;
};
