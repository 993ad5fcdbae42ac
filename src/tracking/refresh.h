#pragma once
#include <vector>

#include "state/form1.h"

namespace folvaric {

// The refresh: rebuilds the list and re-opens the protected folders that lost their windows.
// `loadedSet` are the entries of a folder set being loaded: protected ahead of the ticked rows.
// The outcome is also kept in the form for the start-up report.
RefreshOutcome refreshFolderWindows(Form1& f, std::vector<FolderRow> loadedSet = {});

// The refresh button's and menu item's handler.
void refreshFolderList(Form1& f);

}  // namespace folvaric
