#pragma once

#include "composition/composedpage.h"
#include "composition/labeltemplate.h"
#include "composition/recordfeed.h"

enum class CompositionStatus {
    Composed,
    NoRowFits, // the margins leave no room for one label row; nothing was composed
    Cancelled, // a long run stopped by the user; nothing to show
};

struct Composition {
    CompositionStatus status = CompositionStatus::Composed;
    QList<ComposedPage> pages; // page 1 first
};

// Lays the records of `feed` out as labels of `prepared` (its margins and
// fonts already set), one label a record, filling each band row left to
// right; a row whose bottom does not stay inside the page moves whole to a
// new page. The feed is asked first, then per record the end test, the
// values of the boxes in their order and next.
Composition composeLabelPages(const LabelTemplate &prepared, RecordFeed &feed);
