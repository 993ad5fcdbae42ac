#include "tracking/discovery.h"
#include "tracking/explorer_walk.h"

namespace folvaric {

WindowHandle findWindowByTitle(Form1& f, const std::string& title) {
    platform::Desktop& desktop = f.p.desktop;
    for (const WindowHandle h : desktop.topLevelWindowsInZOrder()) {
        if (!hasMainWindowStyle(f, h)) continue;
        const std::string windowTitle = desktop.title(h, kTitleBuffer);
        if (!windowTitle.empty() && windowTitle == title) return h;
    }
    return 0;
}

}  // namespace folvaric
