#include "controls/menu_painter.h"

#include <algorithm>

#include "controls/raster_canvas.h"
#include "controls/xp_frames.h"
#include "controls/xp_frames_manager.h"

namespace controls {

namespace {

class RasterOffscreen final : public OffscreenSurface {
public:
    RasterOffscreen(int width, int height) : canvas_(width, height, colors::clWhite) {}
    Canvas& canvas() override { return canvas_; }
    void copyTo(Canvas& target, int x, int y) override {
        target.drawBitmap(x, y, canvas_.image(), {0, 0, canvas_.width(), canvas_.height()}, std::nullopt);
    }

private:
    RasterCanvas canvas_;
};

}  // namespace

OsGeneration osGenerationOf(const platform::VersionRecord& v) {
    OsGeneration g;
    g.ntFamily = v.platformId == 2;
    g.windows2000 = g.ntFamily && v.majorVersion == 5 && v.minorVersion == 0;
    // Windows XP and its server sibling draw their own menu shadow.
    g.windowsXp = g.ntFamily && v.majorVersion == 5 && v.minorVersion >= 1;
    return g;
}

std::unique_ptr<OffscreenSurface> rasterOffscreen(Canvas&, int width, int height) {
    return std::make_unique<RasterOffscreen>(width, height);
}

TMenuPainter::TMenuPainter(PainterForm& owner, TMenuPainterManager* manager, const Font& systemMenuFont,
                           OsGeneration os)
    : form_(owner),
      manager_(manager),
      os_(os),
      font_(systemMenuFont),
      color_(colors::clBtnFace),
      iconBackColor_(colors::clBtnFace),
      menuBarColor_(colors::clBtnFace),
      selectColor_(xp_colors::clHighlight),
      selectBorderColor_(xp_colors::clHighlight),
      selectFontColor_(systemMenuFont.color),
      disabledColor_(xp_colors::clInactiveCaption),
      separatorColor_(colors::clBtnFace),
      checkedColor_(xp_colors::clHighlight) {
    form_.ownsPainter = true;
}

TMenuPainter::~TMenuPainter() {
    deactivateForm(form_);
    if (manager_ != nullptr) manager_->unregisterPainter(*this);
    for (auto& record : records_) record->undo();
    records_.clear();
}

void TMenuPainter::loaded() {
    if (manager_ != nullptr) manager_->registerPainter(*this);
}

void TMenuPainter::setColour(Color& slot, Color value) {
    slot = value;
    colorsStale_ = true;
}

void TMenuPainter::setFont(const Font& f) {
    font_ = f;
    colorsStale_ = true;
    if (redrawMenuBar) redrawMenuBar();
}

void TMenuPainter::setMenuBarColor(Color c) {
    setColour(menuBarColor_, c);
    if (redrawMenuBar) redrawMenuBar();
}

void TMenuPainter::setUseSystemColors(bool v) {
    useSystemColors_ = v;
    colorsStale_ = true;
    if (redrawMenuBar) redrawMenuBar();
}

void TMenuPainter::setUseDimColor(bool v) {
    useDimColor_ = v;
    colorsStale_ = true;
}

void TMenuPainter::setDisableSubclassing(bool v) {
    if (disableSubclassing_ == v) return;
    disableSubclassing_ = v;
    if (manager_ != nullptr) manager_->electLeader();
}

void TMenuPainter::measureItem(MenuItem& item, Canvas& canvas, int& width, int& height) {
    if (!active_) return;
    const PainterForm* form = formOfItem(item);
    const MenuItemFacts facts = factsOf(form != nullptr ? *form : form_, item);
    const MenuPaintSettings settings = paintSettings(canvas);
    const Size size = measureMenuItem(facts, settings, canvas, {width, height});
    width = size.width;
    height = size.height;
}

void TMenuPainter::drawItem(MenuItem& item, Canvas& canvas, const Rect& rect, bool selected) {
    if (!active_) return;
    try {
        const PainterForm* form = formOfItem(item);
        const MenuItemFacts facts = factsOf(form != nullptr ? *form : form_, item);
        const MenuPaintSettings settings = paintSettings(canvas);
        MenuItemState state;
        state.selected = selected;
        if (os_.ntFamily && facts.barItem && facts.enabled && !selected && cursorOnForm) {
            if (const auto at = cursorOnForm()) {
                state.hot = at->first >= rect.left && at->first < rect.right - 1 && at->second >= rect.top &&
                            at->second < rect.bottom - 2;
            }
        }
        const Rect work = menuItemWorkRect(facts, rect);
        const int w = work.right - work.left;
        const int h = work.bottom - work.top;
        if (w <= 0 || h <= 0) return;
        std::unique_ptr<OffscreenSurface> surface = offscreen(canvas, w, h);
        if (!surface) return;
        paintMenuItem(facts, settings, state, surface->canvas(), w, h);
        surface->copyTo(canvas, work.left, work.top);
        if (flatMenu_ && !facts.barItem && !flatMenuPending_ && postFlatMenuMessage) {
            flatMenuPending_ = true;
            postFlatMenuMessage(FlatMenuRequest{&item, facts.rightToLeft});
        }
    } catch (...) {
        // A menu must never bring the program down: the item keeps what was drawn so far.
    }
}

MenuPaintSettings TMenuPainter::paintSettings(Canvas& canvas) {
    MenuPaintSettings s;
    s.colors = colors(canvas);
    s.barColor = drawMenuBar_ ? canvas.toRgb(menuBarColor_) : s.colors.menuBar;
    s.font = font_;
    s.iconWidth = iconWidth_;
    s.dimLevel = dimLevel_;
    s.grayLevel = grayLevel_;
    s.drawSelect = drawSelect_;
    s.gradient = gradient_;
    s.flatMenu = flatMenu_;
    s.useSystemColors = useSystemColors_;
    s.highColour = highColour();
    return s;
}

MenuItemFacts TMenuPainter::factsOf(const PainterForm& form, const MenuItem& item) const {
    MenuItemFacts f;
    f.caption = item.caption();
    f.hasSubItems = !item.items.empty();
    f.enabled = item.enabled();
    f.checked = item.checked();
    for (const PainterMenu& menu : form.menus) {
        if (menu.menu == nullptr) continue;
        const MenuItem& root = menu.menu->root;
        bool found = false;
        bool topLevel = false;
        std::function<void(const MenuItem&)> search = [&](const MenuItem& parent) {
            for (const MenuItem* child : parent.items) {
                if (found || child == nullptr) continue;
                if (child == &item) {
                    found = true;
                    topLevel = &parent == &root;
                    return;
                }
                search(*child);
            }
        };
        search(root);
        if (!found) continue;
        f.barItem = menu.mainMenu && topLevel;
        f.rightToLeft = menu.rightToLeft;
        if (item.imageIndex != -1 && menu.images != nullptr) {
            f.image = menu.images->image(item.imageIndex);
            f.imageMask = menu.images->maskColor;
        }
        break;
    }
    if (const MenuItemExtras* extras = form.extras(item)) {
        f.radioItem = extras->radioItem;
        f.isDefault = extras->isDefault;
        f.shortcutText = extras->shortcutText;
        if (f.image == nullptr && !extras->bitmap.empty()) f.image = &extras->bitmap;
    }
    return f;
}

}  // namespace controls
