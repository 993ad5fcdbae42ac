#pragma once
// The protected snapshot: the ticked rows, taken before the list is rebuilt, so
// that the ticks can follow their folders into the new list.
#include <string>
#include <string_view>

#include "tracking/refresh_run.h"

namespace folvaric {

// What the snapshot keeps of a name or path: its first 255 bytes, in whole
// characters; rows are compared with the snapshot in this form. A view into `s`.
std::string_view snapshotText(const std::string& s);

// Appends the ticked rows after the entries already there (a folder set being
// loaded puts its own first); the excess over 3000 entries is refused.
void snapshotTickedRows(RefreshRun& run);

// Fills the list from the rebuilt table, ticking every row whose folder is in the snapshot.
void listRowsWithTicks(RefreshRun& run);

}  // namespace folvaric
