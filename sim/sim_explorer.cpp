#include "sim/sim_explorer.h"

#include "text/gbk_text.h"

namespace sim {
namespace {

const std::string& computerViewId() {
    static const std::string id = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
    return id;
}

bool startsWithNoCase(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && text::asciiLower(s.substr(0, prefix.size())) == prefix;
}

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
    return text::gbk(options.style == ExplorerStyle::Xp ? "我的电脑" : "计算机");
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
    const bool computer = path == text::gbk("我的电脑") || path == text::gbk("计算机");
    const std::string shownPath = computer ? computerName() : path;
    const std::string name = computer ? shownPath : displayName(path);
    const std::string title = options.titleMode == TitleMode::FullPath ? shownPath : name;
    const std::uint32_t style = platform::style::OverlappedWindow | platform::style::Visible |
                                platform::style::ClipSiblings;
    const WindowHandle top = windows_.createTopLevel(process_, "CabinetWClass", title, style);
    const bool xpShowsName = options.style == ExplorerStyle::Xp && !options.xpAddressShowsFullPath;
    buildAddressChain(top, xpShowsName ? name : shownPath);
    windows_.show(top, show);
    return top;
}

WindowHandle SimExplorer::openSpecialView(const std::string& name) {
    const std::uint32_t style = platform::style::OverlappedWindow | platform::style::Visible |
                                platform::style::ClipSiblings;
    const WindowHandle top = windows_.createTopLevel(process_, "CabinetWClass", name, style);
    buildAddressChain(top, name);
    windows_.setActive(top);
    return top;
}

bool SimExplorer::shellOpen(const std::string& parameters, platform::ShowCommand show) {
    std::string path;
    if (parameters == computerViewId()) {
        path = computerName();
    } else if (startsWithNoCase(parameters, "/n,")) {
        path = parameters.substr(3);
    } else if (startsWithNoCase(parameters, "/root,")) {
        path = parameters.substr(6);
    } else {
        path = parameters;
    }
    const bool computer = path == computerName();
    if (!computer && !files_.directoryExists(path)) return false;  // Explorer shows its own error
    ++opensRequested_;
    clock_.afterPasses(options.openDelayPasses, [this, path, show] { openFolder(path, show); });
    return true;
}

}  // namespace sim
