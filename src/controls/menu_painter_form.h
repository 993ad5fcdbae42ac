#pragma once
// What the XP-style painter sees of a form: its menus with their item pictures, its windowed
// controls with their class and parent, and the owner-draw events of its menu items. The host
// describes each form once (see menu_painter_main_window.h for the main window); the painter
// then installs and removes its handlers here, and the menu view asks here who draws an item.
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "controls/bitmap.h"
#include "controls/canvas.h"
#include "controls/simple_controls.h"

namespace controls {

class FrameSite;

// Equally sized pictures that menu items refer to by their image index.
struct ImageList {
    int width = 16;
    int height = 16;
    std::vector<Bitmap> images;
    std::optional<Color> maskColor;  // pixels of this colour are see-through

    const Bitmap* image(int index) const {
        if (index < 0 || index >= static_cast<int>(images.size())) return nullptr;
        return &images[static_cast<std::size_t>(index)];
    }
};

// What an item may have besides what the item model keeps.
struct MenuItemExtras {
    bool radioItem = false;
    bool isDefault = false;
    std::string shortcutText;  // GBK, as shown right-aligned
    Bitmap bitmap;             // the item's own picture; its lower-left pixel is see-through
};

using DrawItemHandler = std::function<void(MenuItem& item, Canvas& canvas, const Rect& rect, bool selected)>;
using MeasureItemHandler = std::function<void(MenuItem& item, Canvas& canvas, int& width, int& height)>;

// One owner-draw event of an item. A painter that takes the place of the form's own handler keeps
// that handler and gives it back when it leaves.
template <typename Handler>
struct HandlerSlot {
    Handler handler;
    const void* installedBy = nullptr;  // the painter that put `handler` there; null: the form's own
    Handler displaced;

    bool empty() const { return !handler; }
};

struct MenuItemEvents {
    HandlerSlot<DrawItemHandler> onDrawItem;
    HandlerSlot<MeasureItemHandler> onMeasureItem;
};

// The owner-draw events of the items of one form. An item without a draw handler keeps the
// system's drawing.
class MenuDrawEvents {
public:
    MenuItemEvents& of(const MenuItem& item) { return events_[&item]; }
    MenuItemEvents* find(const MenuItem& item) {
        const auto found = events_.find(&item);
        return found == events_.end() ? nullptr : &found->second;
    }
    const MenuItemEvents* find(const MenuItem& item) const {
        const auto found = events_.find(&item);
        return found == events_.end() ? nullptr : &found->second;
    }
    bool ownerDrawn(const MenuItem& item) const {
        const MenuItemEvents* e = find(item);
        return e != nullptr && !e->onDrawItem.empty();
    }

private:
    std::unordered_map<const MenuItem*, MenuItemEvents> events_;
};

struct PainterMenu {
    Menu* menu = nullptr;
    bool mainMenu = false;  // the form's menu bar; else a popup menu
    int tag = 0;
    const ImageList* images = nullptr;
    bool rightToLeft = false;
};

// Which framework family a control belongs to, beyond its exact class name.
enum class ControlFamily { Other, ListBox, Panel, Memo, ToolBar, ControlBar };

struct PainterControl {
    std::string name;
    std::string className;  // the framework class, e.g. "TCheckListBox", "TChromeBitBtn"
    ControlFamily family = ControlFamily::Other;
    int tag = 0;
    int parent = -1;            // index of the parent in the form's controls; -1: the form
    FrameSite* site = nullptr;  // the control's window; null while it has none
};

struct PainterForm {
    std::string name;
    int tag = 0;
    std::vector<PainterMenu> menus;
    std::vector<PainterControl> controls;
    MenuDrawEvents menuEvents;
    std::unordered_map<const MenuItem*, MenuItemExtras> itemExtras;
    bool ownsPainter = false;  // a painter was placed on this form

    const MenuItemExtras* extras(const MenuItem& item) const {
        const auto found = itemExtras.find(&item);
        return found == itemExtras.end() ? nullptr : &found->second;
    }
};

}  // namespace controls
