// The refresh: rebuilds the list of Explorer folder windows and brings back the
// protected folders whose windows were closed outside the program.
#include "tracking/refresh.h"

#include <iterator>
#include <utility>

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
// ends, the button comes back. Meanwhile a save can see which folders it protects.
class BusyScope {
public:
    explicit BusyScope(RefreshRun& run) : f_(run.f) {
        f_.refreshBusy = true;
        f_.runningRefreshFolders = &run.protectedFolders;
        f_.Button4.setEnabled(false);
    }
    ~BusyScope() {
        f_.Button4.setEnabled(true);
        f_.runningRefreshFolders = nullptr;
        f_.refreshBusy = false;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Form1& f_;
};

RefreshOutcome outcomeOf(const RefreshRun& run) {
    RefreshOutcome outcome;
    outcome.protectedFolders = static_cast<int>(run.protectedFolders.size());
    outcome.lostFolders = run.lostFolders;
    outcome.reborn = run.reborn;
    outcome.ran = true;
    return outcome;
}

void refreshSteps(RefreshRun& run) {
    Form1& f = run.f;
    f.noExplorerWindows = false;

    f.refreshActiveWindow = f.p.desktop.activeWindow();
    reportGated(f, tracking_text::refreshStarted());
    // The disabled button, and whatever else waits in the queue, is painted within the
    // pause rather than before it.
    pumpedPauseFromStart(f, kFirstPauseMs);

    f.pathsResolvable = true;
    f.pathFailReason = AddressFailure::None;
    snapshotTickedRows(run);

    {
        // Hundreds of entries go in one by one; the list shows them in one paint.
        controls::ListUpdate update(f.CheckListBox1);
        f.CheckListBox1.clear();
        if (walkExplorerWindows(f, false, false, run.capacity).found) {
            listRowsWithTicks(run);
        } else {
            reportGated(f, tracking_text::noExplorerWindow());
            f.noExplorerWindows = true;
            f.table.clear();
        }
    }

    if (!run.protectedFolders.empty()) {
        // A full table leaves no room for a reborn row; the walk has told the user.
        if (f.table.full()) {
            run.capacity.tell();
            return;
        }
        reportGated(f, tracking_text::lookingForLostFolders());
        reopenLostFolders(run);
        if (!run.lostFolders.empty()) rebirthLostFolders(run);
    }
    if (run.lostFolders.empty()) reportIfNothingProtected(run);
    reportOutcome(run);

    if (f.formShown) f.focusList();
}

}  // namespace

RefreshOutcome refreshFolderWindows(Form1& f, std::vector<FolderRow> loadedSet) {
    if (f.refreshBusy) return {};
    RefreshRun run(f);
    if (static_cast<int>(loadedSet.size()) > kMaxRows) loadedSet.resize(static_cast<std::size_t>(kMaxRows));
    run.protectedFolders.assign(std::make_move_iterator(loadedSet.begin()), std::make_move_iterator(loadedSet.end()));
    {
        BusyScope busy(run);
        refreshSteps(run);
    }
    f.lastRefresh = outcomeOf(run);
    return f.lastRefresh;
}

void refreshFolderList(Form1& f) {
    refreshFolderWindows(f);
}

}  // namespace folvaric
