// The refresh: rebuilds the list of Explorer folder windows and brings back the
// protected folders whose windows were closed outside the program.
#include "tracking/refresh.h"

#include <algorithm>

#include "tracking/explorer_walk.h"
#include "tracking/lost_folders.h"
#include "tracking/protected_snapshot.h"
#include "tracking/rebirth.h"
#include "tracking/refresh_run.h"
#include "tracking/refresh_status.h"
#include "tracking/texts.h"
#include "tracking/waits.h"

namespace folvaric {
namespace {

constexpr int kFirstPauseMs = 50;

// The refresh pumps the message queue while it waits, so its own button (and any
// other trigger) could start it again; it runs once at a time, and whatever way it
// ends, the button comes back.
class BusyScope {
public:
    explicit BusyScope(Form1& f) : f_(f) {
        f_.refreshBusy = true;
        f_.Button4.setEnabled(false);
    }
    ~BusyScope() {
        f_.Button4.setEnabled(true);
        f_.refreshBusy = false;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Form1& f_;
};

void resetRunState(Form1& f) {
    f.noExplorerWindows = false;
    f.lostCount = 0;
    f.rebornCount = 0;
    f.resolvedPathCount = 0;
    // A folder set being loaded has put its entries at the front of the snapshot.
    f.protectedCount = f.setLoaded ? std::clamp(f.setLoadedCount, 0, kMaxRows) : 0;
}

}  // namespace

void suaxinClick(Form1& f) {
    if (f.refreshBusy) return;
    BusyScope busy(f);
    RefreshRun run(f);
    resetRunState(f);

    f.refreshActiveWindow = f.p.desktop.activeWindow();
    reportGated(f, tracking_text::refreshStarted());
    pumpedPause(f, kFirstPauseMs);

    f.pathsResolvable = true;
    f.pathFailReason = 0;
    snapshotTickedRows(f, run.capacity);

    {
        // Hundreds of entries go in one by one; the list shows them in one paint.
        controls::ListUpdate update(f.CheckListBox1);
        f.CheckListBox1.clear();
        if (walkExplorerWindows(f, false, false, run.capacity)) {
            listRowsWithTicks(f);
        } else {
            reportGated(f, tracking_text::noExplorerWindow());
            f.lostCount = 0;
            f.noExplorerWindows = true;
            f.windowCount = 0;
        }
    }

    if (f.protectedCount > 0) {
        // A full table leaves no room for a reborn row; the walk has told the user.
        if (f.windowCount >= kMaxRows) {
            run.capacity.tell();
            return;
        }
        reportGated(f, tracking_text::lookingForLostFolders());
        f.lostCount = 0;
        f.rebornCount = 0;
        reopenLostFolders(run);
        if (f.lostCount > 0) rebirthLostFolders(run);
    }
    if (f.lostCount == 0) reportIfNothingProtected(f);
    reportOutcome(f);

    if (f.formShown) f.focusList();
}

}  // namespace folvaric
