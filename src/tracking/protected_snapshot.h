#pragma once
// The protected snapshot: the ticked rows, taken before the list is rebuilt, so
// that the ticks can follow their folders into the new list.
#include "tracking/refresh_run.h"

namespace folvaric {

// Appends the ticked rows after the entries already there (a folder set being
// loaded puts its own first); the excess over 3000 entries is refused.
void snapshotTickedRows(RefreshRun& run);

// Fills the list from the rebuilt table, ticking every row whose folder is in the snapshot.
void listRowsWithTicks(RefreshRun& run);

}  // namespace folvaric
