#include "tracking/rebirth.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "tracking/discovery.h"
#include "tracking/reborn_window.h"
#include "tracking/refresh_status.h"
#include "tracking/texts.h"
#include "tracking/waits.h"

namespace folvaric {
namespace {

constexpr int kSettlePasses = 21;
constexpr int kSettlePauseMs = 10;
constexpr int kSearchPasses = 41;
constexpr int kSearchPauseMs = 50;
constexpr int kSizingPauseMs = 1000;

// The slot after the last row, where the row being reborn is assembled. Other
// commands may change the table while the refresh waits, so it is taken afresh.
std::size_t candidateSlot(const Form1& f) {
    return static_cast<std::size_t>(std::clamp(f.windowCount, 0, kSpareSlot));
}

// One search attempt: Explorer titles the new window with the folder's name or
// its full path, possibly behind the address label. Other folders' windows of the
// same title are passed over.
WindowHandle searchByTitles(Form1& f, const std::string& name, const std::string& path) {
    const std::string& label = tracking_text::addressPrefix();
    const std::array<std::string, 4> candidates{name, path, label + path, label + name};
    for (int pass = 0; pass < kSearchPasses; ++pass) {
        pumpedPause(f, kSearchPauseMs);
        for (const std::string& title : candidates) {
            f.searchTitle = title;
            const WindowHandle found = findRebornWindow(f, title, name, path);
            f.windowHandles[candidateSlot(f)] = found;
            if (found != 0) return found;
            f.p.clock.processMessages();
        }
    }
    return 0;
}

void showError(Form1& f, const std::string& message) {
    f.p.dialogs.messageBox(f.p.app.mainWindow(), message, tracking_text::errorCaption(), platform::mb::Ok);
}

void appendRebornRow(Form1& f, const std::string& name, WindowHandle window, const std::string& path) {
    const auto row = static_cast<std::size_t>(f.windowCount);
    f.windowNames[row] = name;
    f.windowHandles[row] = window;
    f.windowPaths[row] = path;
    f.CheckListBox1.select(f.CheckListBox1.add(name, true));
    ++f.windowCount;
}

// A lost folder as the rebirth works on it. The refresh pumps the message queue
// while it waits, and the protection sort may use the lost-folder columns as
// scratch meanwhile, so the rebirth keeps its own copy.
struct LostFolder {
    std::string name;
    std::string path;
    WindowHandle window = 0;
};

std::vector<LostFolder> lostFolders(const Form1& f) {
    std::vector<LostFolder> lost;
    for (int k = 0; k < f.lostCount; ++k) {
        lost.push_back({f.lostNames[static_cast<std::size_t>(k)], f.lostPaths[static_cast<std::size_t>(k)]});
    }
    return lost;
}

// Puts the rebirth's outcome back into the lost-folder list, for the final report.
void recordLostFolders(Form1& f, const std::vector<LostFolder>& lost) {
    for (std::size_t k = 0; k < lost.size(); ++k) {
        f.lostNames[k] = lost[k].name;
        f.lostPaths[k] = lost[k].path;
        f.lostHandles[k] = lost[k].window;
    }
    f.lostCount = static_cast<int>(lost.size());
}

WindowHandle findWindow(Form1& f, const LostFolder& folder) {
    f.windowNames[candidateSlot(f)] = folder.name;
    WindowHandle window = searchByTitles(f, folder.name, folder.path);
    if (window == 0) {
        showError(f, tracking_text::searchFailedOnce());
        window = searchByTitles(f, folder.name, folder.path);
    }
    if (window == 0) {
        f.windowPaths[candidateSlot(f)].clear();
        showError(f, tracking_text::searchFailed(folder.name, folder.path));
    }
    return window;
}

void findAndList(RefreshRun& run, LostFolder& folder) {
    Form1& f = run.f;
    if (f.windowCount < kMaxRows) {
        folder.window = findWindow(f, folder);
        if (folder.window == 0) return;
    }
    // No room for the row, possibly since other commands ran while the refresh waited for Explorer.
    if (f.windowCount >= kMaxRows) {
        run.capacity.tell();
        folder.window = 0;
        return;
    }
    appendRebornRow(f, folder.name, folder.window, folder.path);
}

// Takes the row of a reborn window that is gone again off the table and the list: a dead
// handle would stand for the folder as if it were open.
void dropRebornRow(Form1& f, const LostFolder& folder) {
    const int entries = std::min({f.windowCount, f.CheckListBox1.count(), kMaxRows});
    for (int i = entries - 1; i >= 0; --i) {
        const auto row = static_cast<std::size_t>(i);
        if (f.windowHandles[row] != folder.window || f.windowPaths[row] != folder.path) continue;
        for (auto k = row; k + 1 < static_cast<std::size_t>(entries); ++k) {
            f.windowNames[k] = f.windowNames[k + 1];
            f.windowHandles[k] = f.windowHandles[k + 1];
            f.windowPaths[k] = f.windowPaths[k + 1];
        }
        --f.windowCount;
        f.CheckListBox1.remove(i);
        return;
    }
}

void bringToFrontSized(RefreshRun& run, std::vector<LostFolder>& lost) {
    Form1& f = run.f;
    platform::Desktop& desktop = f.p.desktop;
    const platform::Rect size{0, 0, run.desktop.right, run.workAreaHeight};
    f.rebornCount = 0;
    for (LostFolder& folder : lost) {
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
        ++f.rebornCount;
    }
}

}  // namespace

void rebirthLostFolders(RefreshRun& run) {
    Form1& f = run.f;
    std::vector<LostFolder> lost = lostFolders(f);
    reportGated(f, tracking_text::rebirthStarted());
    for (int i = 0; i < kSettlePasses; ++i) pumpedPause(f, kSettlePauseMs);

    for (LostFolder& folder : lost) findAndList(run, folder);

    reportShown(f, tracking_text::sizingStarted());
    responsivePause(f, kSizingPauseMs);
    bringToFrontSized(run, lost);
    // XP leaves the new folder windows above the program; a minimise and restore brings it back in front.
    if (f.rebornCount > 0 && f.osGeneration != tracking_text::vistaOrWin7()) {
        f.p.app.minimise();
        f.p.app.restore();
    }
    recordLostFolders(f, lost);
    f.focusList();
}

}  // namespace folvaric
