#include "sim/sim_window_manager.h"

#include <algorithm>

#include "text/gbk_text.h"

namespace sim {
namespace {

// What GetWindowText does with a buffer of n characters: at most n - 1 come back.
std::string fitBuffer(const std::string& s, int bufferChars) {
    if (bufferChars <= 1) return std::string();
    std::size_t chars = 0;
    std::size_t i = 0;
    while (i < s.size() && chars < static_cast<std::size_t>(bufferChars - 1)) {
        i += text::charLengthAt(s, i);
        ++chars;
    }
    return s.substr(0, i);
}

}  // namespace

ProcessId SimWindowManager::addProcess(const std::string& executablePath, bool accessDenied) {
    const ProcessId id = nextProcess_;
    nextProcess_ += 4;
    processes_[id] = SimProcess{id, executablePath, accessDenied};
    return id;
}

WindowHandle SimWindowManager::createTopLevel(ProcessId pid, const std::string& className,
                                              const std::string& title, std::uint32_t style) {
    const WindowHandle h = nextHandle_;
    nextHandle_ += 2;
    SimWindow w;
    w.handle = h;
    w.className = className;
    w.title = title;
    w.text = title;
    w.style = style;
    w.process = pid;
    windows_[h] = w;
    zOrder_.insert(zOrder_.begin(), h);
    return h;
}

WindowHandle SimWindowManager::createChild(WindowHandle parent, const std::string& className,
                                           const std::string& title, const std::string& text) {
    const WindowHandle h = nextHandle_;
    nextHandle_ += 2;
    SimWindow w;
    w.handle = h;
    w.parent = parent;
    w.className = className;
    w.title = title;
    w.text = text.empty() ? title : text;
    w.style = platform::style::Visible;
    w.process = windows_.at(parent).process;
    windows_[h] = w;
    windows_.at(parent).children.push_back(h);
    return h;
}

void SimWindowManager::destroy(WindowHandle h) {
    auto it = windows_.find(h);
    if (it == windows_.end()) return;
    const std::vector<WindowHandle> children = it->second.children;
    for (WindowHandle c : children) destroy(c);
    const WindowHandle parent = it->second.parent;
    if (parent != 0 && exists(parent)) {
        auto& siblings = windows_.at(parent).children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    }
    windows_.erase(h);
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), h), zOrder_.end());
    if (active_ == h) active_ = 0;
    if (onDestroyed) onDestroyed(h);
}

WindowHandle SimWindowManager::findByTitle(const std::string& title) const {
    for (WindowHandle h : zOrder_) {
        if (windows_.at(h).title == title) return h;
    }
    return 0;
}

void SimWindowManager::deliverCloseRequests() {
    std::vector<WindowHandle> pending;
    pending.swap(pendingCloses_);
    for (WindowHandle h : pending) {
        if (exists(h) && windows_.at(h).honoursClose) destroy(h);
    }
}

std::uint32_t SimWindowManager::style(WindowHandle h) {
    if (!exists(h)) return 0;
    const SimWindow& w = windows_.at(h);
    std::uint32_t s = w.style;
    if (w.state == ShowState::Hidden) s &= ~platform::style::Visible;
    return s;
}

std::string SimWindowManager::title(WindowHandle h, int bufferChars) {
    return exists(h) ? fitBuffer(windows_.at(h).title, bufferChars) : std::string();
}

std::string SimWindowManager::className(WindowHandle h, int bufferChars) {
    return exists(h) ? fitBuffer(windows_.at(h).className, bufferChars) : std::string();
}

bool SimWindowManager::visitDescendants(WindowHandle h, const std::function<bool(WindowHandle)>& visit) {
    if (!exists(h)) return true;
    const std::vector<WindowHandle> children = windows_.at(h).children;
    for (WindowHandle c : children) {
        if (!exists(c)) continue;
        if (!visit(c)) return false;
        if (!visitDescendants(c, visit)) return false;
    }
    return true;
}

void SimWindowManager::forEachDescendant(WindowHandle h, const std::function<bool(WindowHandle)>& visit) {
    visitDescendants(h, visit);
}

std::string SimWindowManager::windowText(WindowHandle h, int bufferChars) {
    return exists(h) ? fitBuffer(windows_.at(h).text, bufferChars) : std::string();
}

ProcessId SimWindowManager::processOf(WindowHandle h) { return exists(h) ? windows_.at(h).process : 0; }

std::string SimWindowManager::processExecutablePath(ProcessId id) {
    ++pathLookups_;
    auto it = processes_.find(id);
    if (it == processes_.end() || it->second.accessDenied) return std::string();
    return it->second.executablePath;
}

bool SimWindowManager::postClose(WindowHandle h) {
    if (!exists(h)) return false;
    ++windows_.at(h).closeRequests;
    pendingCloses_.push_back(h);
    return true;
}

bool SimWindowManager::minimise(WindowHandle h) {
    if (!exists(h)) return false;
    windows_.at(h).state = ShowState::Minimised;
    if (active_ == h) active_ = 0;
    return true;
}

bool SimWindowManager::show(WindowHandle h, platform::ShowCommand cmd) {
    using platform::ShowCommand;
    if (!exists(h)) return false;
    SimWindow& w = windows_.at(h);
    const bool wasVisible = w.state != ShowState::Hidden;
    switch (cmd) {
        case ShowCommand::Hide:
            w.state = ShowState::Hidden;
            if (active_ == h) active_ = 0;
            break;
        case ShowCommand::ShowMinimized:
        case ShowCommand::Minimize:
        case ShowCommand::ShowMinNoActive:
            w.state = ShowState::Minimised;
            if (active_ == h) active_ = 0;
            break;
        case ShowCommand::ShowMaximized:
            w.state = ShowState::Maximised;
            active_ = h;
            break;
        case ShowCommand::ShowNormal:
        case ShowCommand::Restore:
            w.state = ShowState::Normal;
            active_ = h;
            break;
        case ShowCommand::Show:
            if (w.state == ShowState::Hidden) w.state = ShowState::Normal;
            active_ = h;
            break;
        case ShowCommand::ShowNoActivate:
        case ShowCommand::ShowNA:
            if (w.state == ShowState::Hidden || w.state == ShowState::Minimised) w.state = ShowState::Normal;
            break;
    }
    return wasVisible;
}

bool SimWindowManager::move(WindowHandle h, Rect r, bool) {
    if (!exists(h) || windows_.at(h).refusesMove) return false;
    windows_.at(h).rect = r;
    return true;
}

void SimWindowManager::raise(WindowHandle h) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), h), zOrder_.end());
    zOrder_.insert(zOrder_.begin(), h);
}

bool SimWindowManager::bringToTop(WindowHandle h) {
    if (!exists(h) || windows_.at(h).parent != 0) return false;
    raise(h);
    active_ = h;
    return true;
}

bool SimWindowManager::flash(WindowHandle h, bool) {
    if (!exists(h)) return false;
    ++windows_.at(h).flashes;
    return true;
}

bool SimWindowManager::isMinimised(WindowHandle h) {
    return exists(h) && windows_.at(h).state == ShowState::Minimised;
}

Rect SimWindowManager::windowRect(WindowHandle h) { return exists(h) ? windows_.at(h).rect : Rect{}; }

}  // namespace sim
