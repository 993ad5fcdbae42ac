#include "win32/menu_builder.h"

#include "win32/wide_text.h"

namespace win {
namespace {

UINT stateFlags(const controls::MenuItem& item) {
    UINT flags = 0;
    if (item.checked()) flags |= MF_CHECKED;
    if (!item.enabled()) flags |= MF_GRAYED;
    return flags;
}

// The items that show: the visible ones, without separator lines at the start, at the end or
// twice in a row (a hidden item between two lines would otherwise leave both).
std::vector<controls::MenuItem*> shownItems(const controls::MenuItem& parent) {
    std::vector<controls::MenuItem*> shown;
    for (controls::MenuItem* item : parent.items) {
        if (item == nullptr || !item->visible()) continue;
        if (item->isSeparator() && (shown.empty() || shown.back()->isSeparator())) continue;
        shown.push_back(item);
    }
    while (!shown.empty() && shown.back()->isSeparator()) shown.pop_back();
    return shown;
}

void fill(HMENU menu, controls::MenuItem& parent, MenuCommands& commands) {
    for (controls::MenuItem* item : shownItems(parent)) {
        if (item->isSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring caption = wide(item->caption());
        if (!item->items.empty()) {
            Menu submenu(CreatePopupMenu());
            if (!submenu) continue;
            fill(submenu.get(), *item, commands);
            // The parent menu owns the submenu from here on.
            if (AppendMenuW(menu, MF_POPUP | MF_STRING | stateFlags(*item),
                            reinterpret_cast<UINT_PTR>(submenu.get()), caption.c_str())) {
                submenu.release();
            }
            continue;
        }
        AppendMenuW(menu, MF_STRING | stateFlags(*item), commands.idOf(*item), caption.c_str());
    }
}

}  // namespace

UINT MenuCommands::idOf(controls::MenuItem& item) {
    const auto found = ids_.find(&item);
    if (found != ids_.end()) return found->second;
    const UINT id = kFirstId + static_cast<UINT>(items_.size());
    ids_.emplace(&item, id);
    items_.push_back(&item);
    return id;
}

controls::MenuItem* MenuCommands::itemOf(UINT id) const {
    if (id < kFirstId || id - kFirstId >= items_.size()) return nullptr;
    return items_[id - kFirstId];
}

Menu buildMenuBar(controls::MenuItem& root, MenuCommands& commands) {
    Menu bar(CreateMenu());
    if (bar) fill(bar.get(), root, commands);
    return bar;
}

Menu buildPopupMenu(controls::MenuItem& root, MenuCommands& commands) {
    Menu popup(CreatePopupMenu());
    if (popup) fill(popup.get(), root, commands);
    return popup;
}

void watchMenuTree(controls::MenuItem& root, const std::function<void()>& changed) {
    for (controls::MenuItem* item : root.items) {
        if (item == nullptr) continue;
        item->onChanged = changed;
        watchMenuTree(*item, changed);
    }
}

void trackPopupMenu(controls::MenuItem& root, MenuCommands& commands, HWND owner, POINT at,
                    const std::function<void(HMENU)>& prepare) {
    Menu popup = buildPopupMenu(root, commands);
    if (!popup) return;
    if (prepare) prepare(popup.get());
    const UINT id = static_cast<UINT>(TrackPopupMenu(popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON |
                                                                     TPM_RETURNCMD | TPM_NONOTIFY,
                                                     at.x, at.y, 0, owner, nullptr));
    // Makes the menu close properly when it was opened for a window in the background.
    PostMessageW(owner, WM_NULL, 0, 0);
    popup.reset();
    if (controls::MenuItem* item = commands.itemOf(id)) item->userClick();
}

}  // namespace win
