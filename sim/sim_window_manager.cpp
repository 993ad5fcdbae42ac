#include "sim/sim_window_manager.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "text/gbk_text.h"

namespace sim {
namespace {

// What GetWindowText does with a buffer of n characters: at most n - 1 come back.
std::string fitBuffer(const std::string& s, int bufferChars) {
    if (bufferChars <= 1) return std::string();
    if (s.size() < static_cast<std::size_t>(bufferChars)) return s;  // fewer bytes than room: no cut
    std::size_t chars = 0;
    std::size_t i = 0;
    while (i < s.size() && chars < static_cast<std::size_t>(bufferChars - 1)) {
        i += text::charLengthAt(s, i);
        ++chars;
    }
    return s.substr(0, i);
}

}  // namespace

SimWindow* SimWindowManager::find(WindowHandle h) {
    return const_cast<SimWindow*>(static_cast<const SimWindowManager*>(this)->find(h));
}

const SimWindow* SimWindowManager::find(WindowHandle h) const {
    if (h < kFirstHandle || (h - kFirstHandle) % 2 != 0) return nullptr;
    const std::size_t slot = (h - kFirstHandle) / 2;
    if (slot >= slotCount_) return nullptr;
    const SimWindow& w = chunks_[slot / kSlotsPerChunk][slot % kSlotsPerChunk];
    return w.handle == h ? &w : nullptr;
}

SimWindow& SimWindowManager::window(WindowHandle h) {
    SimWindow* w = find(h);
    if (w == nullptr) throw std::out_of_range("no such window");
    return *w;
}

WindowHandle SimWindowManager::newWindow(SimWindow w) {
    if (slotCount_ % kSlotsPerChunk == 0) chunks_.push_back(std::make_unique<SimWindow[]>(kSlotsPerChunk));
    SimWindow& slot = chunks_.back()[slotCount_ % kSlotsPerChunk];
    w.handle = kFirstHandle + static_cast<WindowHandle>(2 * slotCount_);
    slot = std::move(w);
    ++slotCount_;
    return slot.handle;
}

ProcessId SimWindowManager::addProcess(const std::string& executablePath, bool accessDenied) {
    const ProcessId id = nextProcess_;
    nextProcess_ += 4;
    processes_[id] = SimProcess{id, executablePath, accessDenied};
    return id;
}

WindowHandle SimWindowManager::createTopLevel(ProcessId pid, const std::string& className, const std::string& title,
                                              std::uint32_t style) {
    SimWindow w;
    w.className = className;
    w.title = title;
    w.text = title;
    w.style = style;
    w.process = pid;
    const WindowHandle h = newWindow(std::move(w));
    zOrder_.insert(zOrder_.begin(), h);
    return h;
}

WindowHandle SimWindowManager::createChild(WindowHandle parent, const std::string& className, const std::string& title,
                                           const std::string& text) {
    SimWindow w;
    w.parent = parent;
    w.className = className;
    w.title = title;
    w.text = text.empty() ? title : text;
    w.style = platform::style::Visible;
    w.process = window(parent).process;
    const WindowHandle h = newWindow(std::move(w));
    window(parent).children.push_back(h);
    return h;
}

void SimWindowManager::destroy(WindowHandle h) {
    SimWindow* w = find(h);
    if (w == nullptr) return;
    const std::vector<WindowHandle> children = w->children;
    for (WindowHandle c : children) destroy(c);
    w = find(h);  // a child's destruction may have run code that changed the desktop
    if (w == nullptr) return;
    const WindowHandle parent = w->parent;
    *w = SimWindow{};  // the slot stays, empty: handles are never reused
    if (SimWindow* p = find(parent)) {
        auto& siblings = p->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    }
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), h), zOrder_.end());
    if (active_ == h) active_ = 0;
    if (onDestroyed) onDestroyed(h);
}

WindowHandle SimWindowManager::findByTitle(const std::string& title) const {
    for (WindowHandle h : zOrder_) {
        if (find(h)->title == title) return h;
    }
    return 0;
}

void SimWindowManager::deliverCloseRequests() {
    std::vector<WindowHandle> pending;
    pending.swap(pendingCloses_);
    for (WindowHandle h : pending) {
        const SimWindow* w = find(h);
        if (w != nullptr && w->honoursClose) destroy(h);
    }
}

std::uint32_t SimWindowManager::style(WindowHandle h) {
    const SimWindow* w = find(h);
    if (w == nullptr) return 0;
    std::uint32_t s = w->style;
    if (w->state == ShowState::Hidden) s &= ~platform::style::Visible;
    return s;
}

std::string SimWindowManager::title(WindowHandle h, int bufferChars) {
    const SimWindow* w = find(h);
    return w != nullptr ? fitBuffer(w->title, bufferChars) : std::string();
}

std::string SimWindowManager::className(WindowHandle h, int bufferChars) {
    const SimWindow* w = find(h);
    return w != nullptr ? fitBuffer(w->className, bufferChars) : std::string();
}

bool SimWindowManager::visitDescendants(WindowHandle h, const std::function<bool(WindowHandle)>& visit) {
    const SimWindow* w = find(h);
    if (w == nullptr) return true;
    // The visitor may create or destroy windows: the children are walked as they
    // were on entry. A window has few children, so the copy usually stays on the stack.
    constexpr std::size_t kInlineChildren = 8;
    std::array<WindowHandle, kInlineChildren> inlineCopy{};
    std::vector<WindowHandle> heapCopy;
    const std::size_t count = w->children.size();
    const WindowHandle* children = inlineCopy.data();
    if (count <= kInlineChildren) {
        std::copy(w->children.begin(), w->children.end(), inlineCopy.begin());
    } else {
        heapCopy = w->children;
        children = heapCopy.data();
    }
    for (std::size_t i = 0; i < count; ++i) {
        const WindowHandle c = children[i];
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
    const SimWindow* w = find(h);
    return w != nullptr ? fitBuffer(w->text, bufferChars) : std::string();
}

ProcessId SimWindowManager::processOf(WindowHandle h) {
    const SimWindow* w = find(h);
    return w != nullptr ? w->process : 0;
}

std::string SimWindowManager::processExecutablePath(ProcessId id) {
    ++pathLookups_;
    auto it = processes_.find(id);
    if (it == processes_.end() || it->second.accessDenied) return std::string();
    return it->second.executablePath;
}

bool SimWindowManager::postClose(WindowHandle h) {
    SimWindow* w = find(h);
    if (w == nullptr) return false;
    ++w->closeRequests;
    pendingCloses_.push_back(h);
    return true;
}

bool SimWindowManager::minimise(WindowHandle h) {
    SimWindow* w = find(h);
    if (w == nullptr) return false;
    w->state = ShowState::Minimised;
    if (active_ == h) active_ = 0;
    return true;
}

bool SimWindowManager::show(WindowHandle h, platform::ShowCommand cmd) {
    using platform::ShowCommand;
    SimWindow* found = find(h);
    if (found == nullptr) return false;
    SimWindow& w = *found;
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
    SimWindow* w = find(h);
    if (w == nullptr || w->refusesMove) return false;
    w->rect = r;
    return true;
}

void SimWindowManager::raise(WindowHandle h) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), h), zOrder_.end());
    zOrder_.insert(zOrder_.begin(), h);
}

bool SimWindowManager::bringToTop(WindowHandle h) {
    const SimWindow* w = find(h);
    if (w == nullptr || w->parent != 0) return false;
    raise(h);
    active_ = h;
    return true;
}

bool SimWindowManager::flash(WindowHandle h, bool) {
    SimWindow* w = find(h);
    if (w == nullptr) return false;
    ++w->flashes;
    return true;
}

bool SimWindowManager::isMinimised(WindowHandle h) {
    const SimWindow* w = find(h);
    return w != nullptr && w->state == ShowState::Minimised;
}

Rect SimWindowManager::windowRect(WindowHandle h) {
    const SimWindow* w = find(h);
    return w != nullptr ? w->rect : Rect{};
}

}  // namespace sim
