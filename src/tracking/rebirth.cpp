#include "tracking/rebirth.h"

#include <algorithm>
#include <string>
#include <vector>

#include "tracking/discovery.h"
#include "tracking/explorer_walk.h"
#include "tracking/owner_executable.h"
#include "tracking/reborn_window.h"
#include "tracking/refresh_status.h"
#include "tracking/shell_folders.h"
#include "tracking/texts.h"
#include "tracking/waits.h"

namespace folvaric {
namespace {

constexpr int kSettlePasses = 21;
constexpr int kSettlePauseMs = 10;
constexpr int kSearchPasses = 41;
constexpr int kSearchPauseMs = 50;
constexpr int kSizingPauseMs = 1000;

// Windows 11 may title its windows with more than the folder's name; there the shell's
// window list, asked afresh, names the window that shows the folder. A window the table
// lists already is another row's.
WindowHandle searchShellList(Form1& f, const std::string& path) {
    ShellFolderLookup shellFolders(f);
    return shellFolders.windowShowing(path, [&f](WindowHandle h) {
        return std::none_of(f.table.begin(), f.table.end(), [h](const FolderRow& row) { return row.window == h; }) &&
               isExplorerExecutable(getWindowExePath(f, h));
    });
}

// One search attempt: Explorer titles the new window with the folder's name or
// its full path, possibly behind the address label. Other folders' windows of the
// same title are passed over.
WindowHandle searchByTitles(Form1& f, const std::string& name, const std::string& path) {
    const std::string& label = tracking_text::addressPrefix();
    std::vector<std::string> candidates{name, path, label + path, label + name};
    // The computer view saved on one generation of Windows is titled by the other's name on another.
    if (tracking_text::isComputerName(path)) {
        candidates.push_back(tracking_text::myComputerXp());
        candidates.push_back(tracking_text::computerWin7());
    }
    for (int pass = 0; pass < kSearchPasses; ++pass) {
        pumpedPause(f, kSearchPauseMs);
        for (const std::string& title : candidates) {
            const WindowHandle found = findRebornWindow(f, title, name, path);
            if (found != 0) return found;
            f.p.clock.processMessages();
        }
        if (tabsPossible(f)) {
            const WindowHandle found = searchShellList(f, path);
            if (found != 0) return found;
        }
    }
    return 0;
}

void showError(Form1& f, const std::string& message) {
    f.p.dialogs.messageBox(f.p.app.mainWindow(), message, tracking_text::errorCaption(), platform::mb::Ok);
}

void appendRebornRow(Form1& f, const FolderRow& folder) {
    f.table.append(folder);
    f.CheckListBox1.select(f.CheckListBox1.add(folder.name, true));
}

WindowHandle findWindow(Form1& f, const FolderRow& folder) {
    WindowHandle window = searchByTitles(f, folder.name, folder.path);
    if (window == 0) {
        showError(f, tracking_text::searchFailedOnce());
        window = searchByTitles(f, folder.name, folder.path);
    }
    if (window == 0) {
        showError(f, tracking_text::searchFailed(folder.name, folder.path));
    }
    return window;
}

void findAndList(RefreshRun& run, FolderRow& folder) {
    Form1& f = run.f;
    if (!f.table.full()) {
        folder.window = findWindow(f, folder);
        if (folder.window == 0) return;
        // Listed as this system names the computer view, so it is saved under that name too.
        const std::string title = f.p.desktop.title(folder.window, kTitleBuffer);
        if (tracking_text::isComputerName(folder.path) && tracking_text::isComputerName(title)) {
            folder.name = folder.path = title;
        }
    }
    // No room for the row, possibly since other commands ran while the refresh waited for Explorer.
    if (f.table.full()) {
        run.capacity.tell();
        folder.window = 0;
        return;
    }
    appendRebornRow(f, folder);
}

// Takes the row of a reborn window that is gone again off the table and the list: a dead
// handle would stand for the folder as if it were open.
void dropRebornRow(Form1& f, const FolderRow& folder) {
    const int entries = std::min(f.table.size(), f.CheckListBox1.count());
    for (int i = entries - 1; i >= 0; --i) {
        if (f.table[i].window != folder.window || f.table[i].path != folder.path) continue;
        f.table.erase(i);
        f.CheckListBox1.remove(i);
        return;
    }
}

void bringToFrontSized(RefreshRun& run) {
    Form1& f = run.f;
    platform::Desktop& desktop = f.p.desktop;
    const platform::Rect size{0, 0, run.desktop.right, run.workAreaHeight};
    run.reborn = 0;
    for (FolderRow& folder : run.lostFolders) {
        if (folder.window == 0) continue;
        // Closed again while it waited to be sized: not restored after all.
        if (!desktop.isWindow(folder.window)) {
            dropRebornRow(f, folder);
            folder.window = 0;
            continue;
        }
        desktop.bringToTop(folder.window);
        desktop.show(folder.window, platform::ShowCommand::ShowNormal);
        if (!desktop.move(folder.window, size, true)) reportShown(f, tracking_text::cannotSize() + folder.name);
        ++run.reborn;
    }
}

}  // namespace

void rebirthLostFolders(RefreshRun& run) {
    Form1& f = run.f;
    reportGated(f, tracking_text::rebirthStarted());
    for (int i = 0; i < kSettlePasses; ++i) pumpedPause(f, kSettlePauseMs);

    for (FolderRow& folder : run.lostFolders) findAndList(run, folder);

    reportShown(f, tracking_text::sizingStarted());
    responsivePause(f, kSizingPauseMs);
    bringToFrontSized(run);
    // XP leaves the new folder windows above the program; a minimise and restore brings it back in front.
    if (run.reborn > 0 && f.osGeneration != tracking_text::vistaOrWin7()) {
        f.p.app.minimise();
        f.p.app.restore();
    }
    f.focusList();
}

}  // namespace folvaric
