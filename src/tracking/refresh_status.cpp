#include "tracking/refresh_status.h"

#include "tracking/texts.h"

namespace folvaric {

void reportGated(Form1& f, const std::string& text) {
    if (f.refreshGateOpen()) f.StatusBar1.setSimpleText(text);
}

void reportShown(Form1& f, const std::string& text) {
    if (f.statusGateOpen()) f.StatusBar1.setSimpleText(text);
}

void reportIfNothingProtected(Form1& f) {
    if (!f.noExplorerWindows && f.protectedCount == 0) reportGated(f, tracking_text::nothingProtected());
}

void reportOutcome(Form1& f) {
    if (f.lostCount == 0 && f.protectedCount > 0 && !f.noExplorerWindows) {
        reportGated(f, tracking_text::nothingLost());
    }
    if (f.lostCount > 0 && f.rebornCount == 0) reportGated(f, tracking_text::someNotFound());
    if (f.rebornCount > 0) reportGated(f, tracking_text::rebirthDone(f.rebornCount));
    if (f.lostCount == 0 && f.noExplorerWindows) reportGated(f, tracking_text::noExplorerWindow());
    // Without readable paths nothing can be protected: that warning outweighs the rest.
    if (!f.pathsResolvable) reportGated(f, tracking_text::protectionBroken());
}

}  // namespace folvaric
