#pragma once
// The protected snapshot: the ticked rows, taken before the list is rebuilt, so
// that the ticks can follow their folders into the new list.
#include "state/form1.h"
#include "tracking/capacity_notice.h"

namespace folvaric {

// Appends the ticked rows after the entries already there (a folder set being
// loaded puts its own first); the excess over 3000 entries is refused.
void snapshotTickedRows(Form1& f, CapacityNotice& capacity);

// Fills the list from the rebuilt table, ticking every row whose folder is in the snapshot.
void listRowsWithTicks(Form1& f);

}  // namespace folvaric
