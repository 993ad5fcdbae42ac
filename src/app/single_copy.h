#pragma once
// Two copies would each write the settings and 默认.txt at exit, and the last one out would
// win; so only the first copy runs, and a later start only calls it to the front.
#include "platform/single_instance.h"
#include "state/form1.h"

namespace folvaric {

// The very first step of the program entry, before any file is read or window made: true
// when this is the only copy. Otherwise the running copy is called to the front and this one
// is to end at once, having touched nothing.
bool startAsOnlyCopy(platform::SingleInstance& instance);

// In the running copy, when a second start called it: the main window comes back from the
// tray or the taskbar and to the front.
void comeToFrontForSecondCopy(Form1& f);

}  // namespace folvaric
