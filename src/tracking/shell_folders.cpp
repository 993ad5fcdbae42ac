#include "tracking/shell_folders.h"

#include "text/gbk_text.h"
#include "tracking/address_scan.h"
#include "tracking/texts.h"

namespace folvaric {

// One question per lookup: the list costs a round trip to Explorer for every window it holds.
void ShellFolderLookup::ask() {
    if (asked_) return;
    asked_ = true;
    list_.clear();
    index_.clear();
    if (f_.p.shellWindows.folderWindows(list_)) {
        for (std::size_t i = 0; i < list_.size(); ++i) index_.emplace(list_[i].window, i);
    } else {
        list_.clear();
    }
}

const platform::ShellFolderWindow* ShellFolderLookup::entryOf(WindowHandle window) {
    ask();
    const auto it = index_.find(window);
    return it == index_.end() ? nullptr : &list_[it->second];
}

// The computer view is kept under the name its address bar has on this generation,
// so that rows read from either source compare equal.
std::string ShellFolderLookup::tableFolder(const std::string& shellFolder) {
    if (shellFolder == platform::kComputerViewParsingName) {
        const bool xpOrOlder =
            f_.windowsGeneration == WindowsGeneration::Xp || f_.windowsGeneration == WindowsGeneration::Older;
        return xpOrOlder ? tracking_text::myComputerXp() : tracking_text::computerWin7();
    }
    // A view without a file-system path reports its display name, which may
    // well name an existing folder relative to nowhere: only drive paths count.
    return isReadableAddress(f_, shellFolder) && !tracking_text::isComputerName(shellFolder) ? shellFolder
                                                                                             : std::string();
}

std::string ShellFolderLookup::activeFolderOf(WindowHandle window) {
    const platform::ShellFolderWindow* entry = entryOf(window);
    return entry == nullptr ? std::string() : tableFolder(entry->activeFolder);
}

std::vector<std::string> ShellFolderLookup::otherFoldersOf(WindowHandle window) {
    std::vector<std::string> folders;
    const platform::ShellFolderWindow* entry = entryOf(window);
    if (entry == nullptr) return folders;
    for (const std::string& folder : entry->otherFolders) {
        std::string tableForm = tableFolder(folder);
        if (!tableForm.empty()) folders.push_back(std::move(tableForm));
    }
    return folders;
}

WindowHandle ShellFolderLookup::windowShowing(const std::string& path,
                                              const std::function<bool(WindowHandle)>& acceptable) {
    ask();
    const std::string wanted = text::asciiLower(path);
    for (const platform::ShellFolderWindow& entry : list_) {
        if (text::asciiLower(tableFolder(entry.activeFolder)) == wanted && acceptable(entry.window)) {
            return entry.window;
        }
    }
    return 0;
}

bool tabsPossible(const Form1& f) {
    return f.windowsGeneration == WindowsGeneration::Windows11;
}

}  // namespace folvaric
