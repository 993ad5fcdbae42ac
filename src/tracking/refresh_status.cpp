#include "tracking/refresh_status.h"

#include "tracking/texts.h"

namespace folvaric {

void reportGated(Form1& f, const std::string& text) {
    if (f.refreshGateOpen()) f.StatusBar1.setSimpleText(text);
}

void reportShown(Form1& f, const std::string& text) {
    if (f.statusGateOpen()) f.StatusBar1.setSimpleText(text);
}

void reportIfNothingProtected(const RefreshRun& run) {
    if (!run.f.noExplorerWindows && run.protectedFolders.empty()) reportGated(run.f, tracking_text::nothingProtected());
}

void reportOutcome(const RefreshRun& run) {
    Form1& f = run.f;
    const bool lost = !run.lostFolders.empty();
    if (!lost && !run.protectedFolders.empty() && !f.noExplorerWindows) reportGated(f, tracking_text::nothingLost());
    if (lost && run.reborn == 0) reportGated(f, tracking_text::someNotFound());
    if (run.reborn > 0) reportGated(f, tracking_text::rebirthDone(run.reborn));
    if (!lost && f.noExplorerWindows) reportGated(f, tracking_text::noExplorerWindow());
    // Without readable paths nothing can be protected: that warning outweighs the rest.
    if (!f.pathsResolvable) reportGated(f, tracking_text::protectionBroken());
}

}  // namespace folvaric
