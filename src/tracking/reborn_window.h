#pragma once
#include <string>

#include "state/form1.h"

namespace folvaric {

// The window re-opened for the lost folder `name` at `path`: the first qualifying top-level
// window, from the top, titled exactly `title` that can be that folder's. A window the table already lists
// belongs to another row, a window of another program is no Explorer window, and a window
// whose address shows another folder is that folder's; none of them is taken. A window whose
// address cannot be read is taken by its title alone. 0 when there is none.
WindowHandle findRebornWindow(Form1& f, const std::string& title, const std::string& name, const std::string& path);

}  // namespace folvaric
