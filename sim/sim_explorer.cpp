#include "sim/sim_explorer.h"

#include "text/gbk_text.h"

namespace sim {
namespace {

const std::string& computerViewId() {
    static const std::string id = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
    return id;
}

bool isComputerView(const std::string& path) {
    return path == text::gbk("我的电脑") || path == text::gbk("计算机") || path == text::gbk("此电脑");
}

constexpr std::uint32_t kFolderWindowStyle =
    platform::style::OverlappedWindow | platform::style::Visible | platform::style::ClipSiblings;

}  // namespace

SimExplorer::SimExplorer(SimWindowManager& windows, SimFileSystem& files, SimClock& clock)
    : windows_(windows), files_(files), clock_(clock) {
    process_ = windows_.addProcess("C:\\WINDOWS\\explorer.exe");
}

std::string SimExplorer::displayName(const std::string& path) {
    const std::string last = text::lastPathComponent(path);
    return last.empty() ? path : last;
}

std::string SimExplorer::computerName() const {
    switch (options.style) {
        case ExplorerStyle::Xp:
            return text::gbk("我的电脑");
        case ExplorerStyle::Win7:
            return text::gbk("计算机");
        case ExplorerStyle::Win11:
            break;
    }
    return text::gbk("此电脑");
}

std::string SimExplorer::titleFor(const std::string& path) const {
    const bool computer = isComputerView(path);
    const std::string shownPath = computer ? computerName() : path;
    const std::string name = computer ? shownPath : displayName(path);
    return (options.titleMode == TitleMode::FullPath ? shownPath : name) + options.titleSuffix;
}

std::string SimExplorer::shellFolderOf(const std::string& path) const {
    return isComputerView(path) ? std::string(platform::kComputerViewParsingName) : path;
}

// A tab of the new header: the folder view sits in a tab window of its own; only
// the active tab's window is shown.
void SimExplorer::addTabView(WindowHandle top, Tabs& tabs) {
    const WindowHandle tab = windows_.createChild(top, "ShellTabWindowClass", "");
    const WindowHandle dui = windows_.createChild(tab, "DUIViewWndClassName", "");
    const WindowHandle direct = windows_.createChild(dui, "DirectUIHWND", "");
    windows_.createChild(direct, "SHELLDLL_DefView", "");
    tabs.views.push_back(tab);
}

void SimExplorer::buildAddressChain(WindowHandle top, const std::string& addressText) {
    const WindowHandle worker = windows_.createChild(top, "WorkerW", "");
    const WindowHandle rebar = windows_.createChild(worker, "ReBarWindow32", "");
    if (options.style == ExplorerStyle::Xp) {
        const WindowHandle comboEx = windows_.createChild(rebar, "ComboBoxEx32", "");
        const WindowHandle combo = windows_.createChild(comboEx, "ComboBox", "");
        const WindowHandle edit = windows_.createChild(combo, "Edit", "");
        windows_.window(edit).text = addressText;
    } else {
        const WindowHandle band = windows_.createChild(rebar, "Address Band Root", "");
        const WindowHandle progress = windows_.createChild(band, "msctls_progress32", "");
        const WindowHandle crumb = windows_.createChild(progress, "Breadcrumb Parent", "");
        windows_.createChild(crumb, "ToolbarWindow32", text::gbk("地址: ") + addressText);
    }
    // The folder view itself; its texts are never a path.
    windows_.createChild(top, "SHELLDLL_DefView", "");
}

WindowHandle SimExplorer::openFolder(const std::string& path, platform::ShowCommand show) {
    const bool computer = isComputerView(path);
    const std::string shownPath = computer ? computerName() : path;
    const std::string name = computer ? shownPath : displayName(path);
    const WindowHandle top = windows_.createTopLevel(process_, "CabinetWClass", titleFor(path), kFolderWindowStyle);
    Tabs& tabs = tabs_[top];
    tabs.folders.push_back(shellFolderOf(path));
    if (options.style == ExplorerStyle::Win11) {
        // The header (address bar, search box, tab row) is drawn inside one bridge window.
        windows_.createChild(top, "Microsoft.UI.Content.DesktopChildSiteBridge", "");
        addTabView(top, tabs);
    } else {
        const bool xpShowsName = options.style == ExplorerStyle::Xp && !options.xpAddressShowsFullPath;
        buildAddressChain(top, xpShowsName ? name : shownPath);
    }
    windows_.show(top, show);
    return top;
}

WindowHandle SimExplorer::openSpecialView(const std::string& name) {
    const WindowHandle top = windows_.createTopLevel(process_, "CabinetWClass", name, kFolderWindowStyle);
    Tabs& tabs = tabs_[top];
    tabs.folders.push_back(name);
    if (options.style == ExplorerStyle::Win11) {
        windows_.createChild(top, "Microsoft.UI.Content.DesktopChildSiteBridge", "");
        addTabView(top, tabs);
    } else {
        buildAddressChain(top, name);
    }
    windows_.setActive(top);
    return top;
}

void SimExplorer::openTab(WindowHandle window, const std::string& path) {
    Tabs& tabs = tabs_.at(window);
    tabs.folders.push_back(shellFolderOf(path));
    addTabView(window, tabs);
    selectTab(window, tabs.folders.size() - 1);
}

void SimExplorer::selectTab(WindowHandle window, std::size_t index) {
    Tabs& tabs = tabs_.at(window);
    tabs.active = index;
    for (std::size_t i = 0; i < tabs.views.size(); ++i) {
        windows_.window(tabs.views[i]).state = i == index ? ShowState::Normal : ShowState::Hidden;
    }
    const std::string& folder = tabs.folders[index];
    const bool computer = folder == platform::kComputerViewParsingName;
    windows_.window(window).title = titleFor(computer ? computerName() : folder);
}

bool SimExplorer::folderWindows(std::vector<platform::ShellFolderWindow>& list) {
    ++shellListQueries_;
    list.clear();
    if (!options.shellListWorks) return false;
    for (auto it = tabs_.begin(); it != tabs_.end();) {
        if (!windows_.exists(it->first)) {
            it = tabs_.erase(it);
            continue;
        }
        platform::ShellFolderWindow entry;
        entry.window = it->first;
        const Tabs& tabs = it->second;
        for (std::size_t i = 0; i < tabs.folders.size(); ++i) {
            if (i == tabs.active) {
                entry.activeFolder = tabs.folders[i];
            } else {
                entry.otherFolders.push_back(tabs.folders[i]);
            }
        }
        list.push_back(std::move(entry));
        ++it;
    }
    return true;
}

std::vector<std::string> SimExplorer::commandLineArguments(const std::string& parameters) {
    // Explorer splits its command line at commas outside double quotes; blanks around an
    // argument are dropped, and quotes only group, they are not part of the argument.
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false;
    bool wasQuoted = false;
    auto finish = [&] {
        if (!wasQuoted) {
            const std::size_t first = current.find_first_not_of(' ');
            current = first == std::string::npos ? std::string()
                                                 : current.substr(first, current.find_last_not_of(' ') + 1 - first);
        }
        arguments.push_back(current);
        current.clear();
        wasQuoted = false;
    };
    for (std::size_t i = 0; i < parameters.size();) {
        const std::size_t len = text::charLengthAt(parameters, i);
        const char c = parameters[i];
        if (len == 1 && c == '"') {
            quoted = !quoted;
            if (quoted) current.clear();
            wasQuoted = true;
        } else if (len == 1 && c == ',' && !quoted) {
            finish();
        } else if (!(wasQuoted && !quoted)) {
            current.append(parameters, i, len);
        }
        i += len;
    }
    finish();
    return arguments;
}

bool SimExplorer::shellOpen(const std::string& parameters, platform::ShowCommand show) {
    // The first argument that is no switch is the folder; "/root" and "/select" take
    // theirs as the next argument.
    std::string path;
    const std::vector<std::string> arguments = commandLineArguments(parameters);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string lower = text::asciiLower(arguments[i]);
        if (lower == "/n" || lower == "/e") continue;
        if ((lower == "/root" || lower == "/select") && i + 1 < arguments.size()) {
            path = arguments[++i];
            break;
        }
        if (!arguments[i].empty()) {
            path = arguments[i];
            break;
        }
    }
    const bool computer = path == computerViewId() || isComputerView(path);
    // Explorer shows the folder as the disk spells it, wherever the path came from.
    const std::string shown = computer ? computerName() : files_.canonicalFolderPath(path);
    if (shown.empty()) return false;  // Explorer shows its own error
    ++opensRequested_;
    clock_.afterPasses(options.openDelayPasses, [this, shown, show] { openFolder(shown, show); });
    lastOpened_ = shown;
    return true;
}

}  // namespace sim
