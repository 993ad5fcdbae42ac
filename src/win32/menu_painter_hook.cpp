#include "win32/menu_painter_hook.h"

#include <vector>

#include "controls/menu_painter_main_window.h"
#include "win32/gdi_canvas.h"
#include "win32/gdi_values.h"
#include "win32/wide_text.h"

namespace win {

namespace {

using controls::MenuItem;

// The items the menu builder puts into a Windows menu, in its order: visible items, without
// separator lines at either end or twice in a row.
std::vector<MenuItem*> shownItems(const MenuItem& parent) {
    std::vector<MenuItem*> shown;
    for (MenuItem* item : parent.items) {
        if (item == nullptr || !item->visible()) continue;
        if (item->isSeparator() && (shown.empty() || shown.back()->isSeparator())) continue;
        shown.push_back(item);
    }
    while (!shown.empty() && shown.back()->isSeparator()) shown.pop_back();
    return shown;
}

controls::Font systemMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return controls::Font{};
    return fontChoiceOf(metrics.lfMenuFont, GetSysColor(COLOR_MENUTEXT));
}

int colourBits(HDC dc) {
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
}

// An item's working picture: a bitmap like the menu's, copied to the menu in one BitBlt.
class GdiOffscreen final : public controls::OffscreenSurface {
public:
    GdiOffscreen(HDC like, int width, int height)
        : memory_(like),
          bitmap_(CreateCompatibleBitmap(like, width, height)),
          select_(memory_.get(), bitmap_.get()),
          canvas_(memory_.get()),
          width_(width),
          height_(height) {
        canvas_.fillRect({0, 0, width, height}, controls::colors::clWhite);
    }
    bool ready() const { return memory_.get() != nullptr && bitmap_; }
    controls::Canvas& canvas() override { return canvas_; }
    void copyTo(controls::Canvas& target, int x, int y) override {
        auto* gdi = dynamic_cast<GdiCanvas*>(&target);
        if (gdi != nullptr) BitBlt(gdi->dc(), x, y, width_, height_, memory_.get(), 0, 0, SRCCOPY);
    }

private:
    MemoryDC memory_;
    OwnedBitmap bitmap_;
    SelectGuard select_;
    GdiCanvas canvas_;
    int width_;
    int height_;
};

std::unique_ptr<controls::OffscreenSurface> gdiOffscreen(controls::Canvas& like, int width, int height) {
    auto* gdi = dynamic_cast<GdiCanvas*>(&like);
    if (gdi == nullptr) return nullptr;
    auto surface = std::make_unique<GdiOffscreen>(gdi->dc(), width, height);
    if (!surface->ready()) return nullptr;
    return surface;
}

}  // namespace

MenuPainterHook::MenuPainterHook(HWND mainWindow, folvaric::Form1& form) : window_(mainWindow), form_(form) {
    painterForm_ =
        controls::describeMainWindow({form.MainMenu1, form.PopupMenu1, form.PopupMenu2, &images_}, {});
    painter_ = std::make_unique<controls::TMenuPainter>(painterForm_, &manager_, systemMenuFont(),
                                                        controls::osGenerationOf(form.p.desktop.version()));
    controls::TMenuPainter& p = *painter_;
    controls::designMenuPainter1(p);
    p.offscreen = gdiOffscreen;
    p.redrawMenuBar = [this] { DrawMenuBar(window_); };
    p.remeasureMenuBar = [this] {
        if (const HMENU bar = GetMenu(window_)) menuBarBuilt(bar);
    };
    p.cursorOnForm = [this]() -> std::optional<std::pair<int, int>> {
        POINT at{};
        RECT window{};
        if (!GetCursorPos(&at) || !GetWindowRect(window_, &window)) return std::nullopt;
        return std::make_pair(at.x - window.left, at.y - window.top);
    };
    p.postFlatMenuMessage = [this](const controls::FlatMenuRequest& r) { postFlatMenuMessage(r); };
    manager_.drawFlatMenuFrame = [this](const controls::FlatMenuRequest& r, controls::TMenuPainter&) {
        drawFlatFrame(r);
    };
    manager_.formCreated(painterForm_);
    p.loaded();  // still inactive: it never leads, so the other windows keep the system's look
}

MenuPainterHook::~MenuPainterHook() {
    painter_.reset();  // takes its handlers off the items and its records off the windows
}

void MenuPainterHook::attachControls(HWND list, HWND panel) {
    const bool wasActive = painter_->active();
    painter_->setActive(false);
    if (list != nullptr)
        listSite_ = std::make_unique<Win32FrameSite>(list, FrameSiteStyle{controls::colors::clWhite});
    if (panel != nullptr) {
        panelSite_ = std::make_unique<Win32FrameSite>(panel, FrameSiteStyle{controls::colors::clBtnFace});
    }
    const int listIndex = controls::controlIndex(painterForm_, "CheckListBox1");
    const int panelIndex = controls::controlIndex(painterForm_, "Panel1");
    painterForm_.controls[static_cast<std::size_t>(listIndex)].site = listSite_.get();
    painterForm_.controls[static_cast<std::size_t>(panelIndex)].site = panelSite_.get();
    painter_->setActive(wasActive);
}

void MenuPainterHook::sync() {
    if (painter_->active() == form_.menuPainterActive) return;
    painter_->setActive(form_.menuPainterActive);
    if (const HMENU bar = GetMenu(window_)) menuBarBuilt(bar);
    if (listSite_) RedrawWindow(listSite_->hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    if (panelSite_)
        RedrawWindow(panelSite_->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MenuPainterHook::menuBarBuilt(HMENU bar) {
    if (bar == nullptr) return;
    mark(bar, form_.MainMenu1.root);
    DrawMenuBar(window_);
}

void MenuPainterHook::popupAboutToShow(MenuItem& root) {
    pendingPopup_ = &root;
}

void MenuPainterHook::preparePopup(HMENU popup, MenuItem& root) {
    pendingPopup_ = nullptr;
    if (popup != nullptr) mark(popup, root);
}

void MenuPainterHook::onInitMenuPopup(HMENU popup) {
    // The first popup after TrackPopupMenu is the form's popup menu itself; its submenus are
    // marked with it. Menus of the bar were marked when the bar was built.
    if (pendingPopup_ == nullptr) return;
    MenuItem* root = pendingPopup_;
    pendingPopup_ = nullptr;
    mark(popup, *root);
}

void MenuPainterHook::mark(HMENU menu, MenuItem& parent) {
    const std::vector<MenuItem*> shown = shownItems(parent);
    if (GetMenuItemCount(menu) != static_cast<int>(shown.size())) return;  // not this tree after all
    for (UINT i = 0; i < shown.size(); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, i, TRUE, &info)) return;
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        if (separator != shown[i]->isSeparator() || (info.hSubMenu != nullptr) != !shown[i]->items.empty())
            return;
    }
    for (UINT i = 0; i < shown.size(); ++i) {
        MenuItem& item = *shown[i];
        const bool ownerDrawn = painter_->active() && painterForm_.menuEvents.ownerDrawn(item);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        const HMENU submenu = info.hSubMenu;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        info.fType =
            ownerDrawn ? (info.fType | MFT_OWNERDRAW) : (info.fType & ~static_cast<UINT>(MFT_OWNERDRAW));
        info.dwItemData = ownerDrawn ? reinterpret_cast<ULONG_PTR>(&item) : 0;
        std::wstring caption;
        if (!item.isSeparator()) {
            // The text is kept for the system's drawing and for the keyboard.
            caption = wide(item.caption());
            info.fMask |= MIIM_STRING;
            info.dwTypeData = &caption[0];
        }
        SetMenuItemInfoW(menu, i, TRUE, &info);
        if (ownerDrawn) {
            marked_.insert(&item);
            places_[&item] = {menu, i};
        }
        if (submenu != nullptr) mark(submenu, item);
    }
}

MenuItem* MenuPainterHook::known(ULONG_PTR itemData) const {
    auto* item = reinterpret_cast<MenuItem*>(itemData);
    return marked_.count(item) != 0 ? item : nullptr;
}

bool MenuPainterHook::onMeasureItem(MEASUREITEMSTRUCT& m) {
    if (m.CtlType != ODT_MENU) return false;
    MenuItem* item = known(m.itemData);
    if (item == nullptr) return false;
    const controls::MenuItemEvents* events = painterForm_.menuEvents.find(*item);
    if (events == nullptr || events->onMeasureItem.empty()) return true;
    WindowDC screen(window_);
    if (screen.get() == nullptr) return true;
    GdiCanvas canvas(screen.get());
    int width = static_cast<int>(m.itemWidth);
    int height = static_cast<int>(m.itemHeight);
    events->onMeasureItem.handler(*item, canvas, width, height);
    m.itemWidth = static_cast<UINT>(width > 0 ? width : 0);
    m.itemHeight = static_cast<UINT>(height > 0 ? height : 0);
    return true;
}

bool MenuPainterHook::onDrawItem(const DRAWITEMSTRUCT& d) {
    if (d.CtlType != ODT_MENU) return false;
    MenuItem* item = known(d.itemData);
    if (item == nullptr) return false;
    const controls::MenuItemEvents* events = painterForm_.menuEvents.find(*item);
    if (events == nullptr || events->onDrawItem.empty()) return true;
    painter_->displayColourBits = colourBits(d.hDC);
    drawingDc_ = d.hDC;
    {
        GdiCanvas canvas(d.hDC);
        const RECT& r = d.rcItem;
        events->onDrawItem.handler(*item, canvas, {r.left, r.top, r.right, r.bottom},
                                   (d.itemState & ODS_SELECTED) != 0);
    }
    drawingDc_ = nullptr;
    return true;
}

void MenuPainterHook::postFlatMenuMessage(const controls::FlatMenuRequest& request) {
    const HWND menuWindow = drawingDc_ != nullptr ? WindowFromDC(drawingDc_) : nullptr;
    if (menuWindow != nullptr) {
        PostMessageW(window_, controls::FlatMenuRequest::kFrameOfWindow, request.rightToLeft ? 1 : 0,
                     reinterpret_cast<LPARAM>(menuWindow));
    } else {
        PostMessageW(window_, controls::FlatMenuRequest::kFrameOfItem, 0,
                     reinterpret_cast<LPARAM>(request.item));
    }
}

bool MenuPainterHook::onApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == controls::FlatMenuRequest::kFrameOfItem) {
        controls::FlatMenuRequest request;
        request.item = known(static_cast<ULONG_PTR>(lParam));
        flatWindow_ = nullptr;
        if (request.item != nullptr) {
            const auto place = places_.find(request.item);
            if (place != places_.end())
                flatWindow_ = menuWindowOfItem(place->second.menu, place->second.position);
        }
        manager_.applicationMessage(&request);
        return true;
    }
    if (message == controls::FlatMenuRequest::kFrameOfWindow) {
        controls::FlatMenuRequest request;
        request.rightToLeft = wParam != 0;
        flatWindow_ = reinterpret_cast<HWND>(lParam);
        manager_.applicationMessage(&request);
        return true;
    }
    manager_.applicationMessage();
    return false;
}

void MenuPainterHook::drawFlatFrame(const controls::FlatMenuRequest& request) {
    const HWND menuWindow = flatWindow_;
    flatWindow_ = nullptr;
    if (menuWindow == nullptr || !IsWindow(menuWindow)) return;
    WindowDC screen(nullptr);
    if (screen.get() == nullptr) return;
    GdiCanvas canvas(screen.get());
    drawFlatMenuWindowFrame(menuWindow, request.rightToLeft, painter_->os().windowsXp,
                            painter_->colors(canvas));
}

}  // namespace win
