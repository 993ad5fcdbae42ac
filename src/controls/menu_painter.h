#pragma once
// TMenuPainter: the non-visual component that measures and paints its form's menus in a flat XP
// style (icon column, framed selection bar, lightened icons rising with a shadow, a graded shadow
// beside the selected bar item) and re-styles the form's controls with flat frames
// (xp_frames.h). It installs its own owner-draw handlers on the menu items while it is active and
// takes back exactly those when it stops.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "controls/canvas.h"
#include "controls/menu_painter_form.h"
#include "controls/menu_painter_item.h"
#include "platform/types.h"

namespace controls {

class TMenuPainterManager;
class XpFrameRecord;

// Colours the painter's properties name that the shared colour table does not have.
namespace xp_colors {
constexpr Color clInactiveCaption = 0xFF000003;
constexpr Color clMenuText = 0xFF000007;
constexpr Color clHighlight = 0xFF00000D;
constexpr Color clMaroon = 0x000080;
constexpr Color clPurple = 0x800080;
constexpr Color clMoneyGreen = 0xC0DCC0;
}  // namespace xp_colors

enum class TXPControl {
    xcMainMenu,
    xcPopupMenu,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcListBox,
    xcEdit,
    xcMaskEdit,
    xcMemo,
    xcRichEdit,
    xcMiscEdit,
    xcCheckBox,
    xcRadioButton,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcUpDown,
    xcPanel,
    xcGroupBox,
    xcTreeView,
    xcListView,
    xcProgressBar,
    xcHotKey
};
enum class TXPContainer {
    xccForm,
    xccFrame,
    xccToolbar,
    xccCoolbar,
    xccControlbar,
    xccPanel,
    xccScrollBox,
    xccGroupBox,
    xccTabSheet,
    xccPageScroller
};

// A set of enumeration values, bit n for the value numbered n.
template <typename E, int Count>
class EnumSet {
public:
    static EnumSet all() { return EnumSet((std::uint32_t{1} << Count) - 1); }
    EnumSet() = default;
    EnumSet(std::initializer_list<E> values) {
        for (E v : values) bits_ |= bit(v);
    }
    bool has(E v) const { return (bits_ & bit(v)) != 0; }
    EnumSet without(std::initializer_list<E> values) const {
        EnumSet s(bits_);
        for (E v : values) s.bits_ &= ~bit(v);
        return s;
    }
    bool operator==(const EnumSet& o) const { return bits_ == o.bits_; }
    bool operator!=(const EnumSet& o) const { return bits_ != o.bits_; }

private:
    explicit EnumSet(std::uint32_t bits) : bits_(bits) {}
    static std::uint32_t bit(E v) { return std::uint32_t{1} << static_cast<int>(v); }
    std::uint32_t bits_ = 0;
};

using XPControls = EnumSet<TXPControl, 23>;
using XPContainers = EnumSet<TXPContainer, 10>;

// The Windows generation, read once when the painter is made.
struct OsGeneration {
    bool ntFamily = true;  // hot tracking of bar items
    bool windows2000 = false;
    bool windowsXp = true;  // the flat menu frame keeps the system's shadow
};

// The generation as the version record tells it.
OsGeneration osGenerationOf(const platform::VersionRecord& version);

// A picture to paint one item in before it goes to the menu in one copy.
class OffscreenSurface {
public:
    virtual ~OffscreenSurface() = default;
    virtual Canvas& canvas() = 0;
    // Copies the whole picture to `target` with its top-left at (x, y).
    virtual void copyTo(Canvas& target, int x, int y) = 0;
};
using OffscreenFactory =
    std::function<std::unique_ptr<OffscreenSurface>(Canvas& like, int width, int height)>;
// In-memory pictures, copied with drawBitmap: what tests and snapshots use.
std::unique_ptr<OffscreenSurface> rasterOffscreen(Canvas& like, int width, int height);

// A request for the flat frame of the popup menu an item was just painted in. The host posts it
// to the application window as the first flat-menu message (0xBCB3, with the item) or, when it
// knows the menu's window, as the second (0xBCB4, with that window and the reading order).
struct FlatMenuRequest {
    static constexpr std::uint32_t kFrameOfItem = 0xBCB3;
    static constexpr std::uint32_t kFrameOfWindow = 0xBCB4;
    const MenuItem* item = nullptr;
    bool rightToLeft = false;
};

class TMenuPainter {
public:
    // `systemMenuFont` is the system's menu font; `manager` may be null (no other forms styled).
    TMenuPainter(PainterForm& owner, TMenuPainterManager* manager, const Font& systemMenuFont,
                 OsGeneration os);
    ~TMenuPainter();
    TMenuPainter(const TMenuPainter&) = delete;
    TMenuPainter& operator=(const TMenuPainter&) = delete;

    PainterForm& form() const { return form_; }
    // The form has finished loading: the painter joins the manager.
    void loaded();

    // --- properties ---
    int dimLevel() const { return dimLevel_; }
    void setDimLevel(int v) { dimLevel_ = v & 0xFF; }
    int grayLevel() const { return grayLevel_; }
    void setGrayLevel(int v) { grayLevel_ = v & 0xFF; }
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    Color color() const { return color_; }
    void setColor(Color c) { setColour(color_, c); }
    bool drawMenuBar() const { return drawMenuBar_; }
    void setDrawMenuBar(bool v) { drawMenuBar_ = v; }
    Color iconBackColor() const { return iconBackColor_; }
    void setIconBackColor(Color c) { setColour(iconBackColor_, c); }
    Color menuBarColor() const { return menuBarColor_; }
    void setMenuBarColor(Color c);
    Color selectColor() const { return selectColor_; }
    void setSelectColor(Color c) { setColour(selectColor_, c); }
    Color selectBorderColor() const { return selectBorderColor_; }
    void setSelectBorderColor(Color c) { setColour(selectBorderColor_, c); }
    Color selectFontColor() const { return selectFontColor_; }
    void setSelectFontColor(Color c) { setColour(selectFontColor_, c); }
    Color disabledColor() const { return disabledColor_; }
    void setDisabledColor(Color c) { setColour(disabledColor_, c); }
    Color separatorColor() const { return separatorColor_; }
    void setSeparatorColor(Color c) { setColour(separatorColor_, c); }
    Color checkedColor() const { return checkedColor_; }
    void setCheckedColor(Color c) { setColour(checkedColor_, c); }
    int iconWidth() const { return iconWidth_; }
    void setIconWidth(int v) { iconWidth_ = v; }
    bool drawSelect() const { return drawSelect_; }
    void setDrawSelect(bool v) { drawSelect_ = v; }
    bool useSystemColors() const { return useSystemColors_; }
    void setUseSystemColors(bool v);
    bool useDimColor() const { return useDimColor_; }
    void setUseDimColor(bool v);
    bool overrideOwnerDraw() const { return overrideOwnerDraw_; }
    void setOverrideOwnerDraw(bool v);
    bool gradient() const { return gradient_; }
    void setGradient(bool v) { gradient_ = v; }
    bool flatMenu() const { return flatMenu_; }
    void setFlatMenu(bool v) { flatMenu_ = v; }
    bool autoDetect() const { return autoDetect_; }
    void setAutoDetect(bool v) { autoDetect_ = v; }
    XPContainers xpContainers() const { return xpContainers_; }
    void setXPContainers(XPContainers v);
    XPControls xpControls() const { return xpControls_; }
    void setXPControls(XPControls v);
    bool active() const { return active_; }
    void setActive(bool v);
    bool disableSubclassing() const { return disableSubclassing_; }
    void setDisableSubclassing(bool v);

    // --- what the painter asks of its host ---
    std::function<void()> redrawMenuBar;     // the form's menu bar drawn anew (DrawMenuBar)
    std::function<void()> remeasureMenuBar;  // the bar's items measured anew
    std::function<std::optional<std::pair<int, int>>()> cursorOnForm;  // window coordinates
    std::function<void(const FlatMenuRequest&)> postFlatMenuMessage;   // to the application window
    OffscreenFactory offscreen = rasterOffscreen;
    int displayColourBits = 32;  // bits per pixel of the form's display

    // --- the owner-draw handlers' work ---
    void measureItem(MenuItem& item, Canvas& canvas, int& width, int& height);
    void drawItem(MenuItem& item, Canvas& canvas, const Rect& rect, bool selected);
    // A flat-frame request was handled: the next one may be posted.
    void flatMenuMessageHandled() { flatMenuPending_ = false; }

    // A component was added to a form while active: menu items are handled at once (AutoDetect).
    void menuItemInserted(MenuItem& item);

    // The colour slots, recomputed first when a colour changed; freshColors always recomputes.
    const MenuPainterColors& colors(Canvas& canvas);
    const MenuPainterColors& freshColors(Canvas& canvas);
    bool highColour() const { return displayColourBits > 15; }
    const OsGeneration& os() const { return os_; }

    // --- styling forms; the manager uses these for forms without a painter ---
    void activateForm(PainterForm& form);
    void deactivateForm(PainterForm& form);
    // The records of controls styled by this painter.
    const std::vector<std::unique_ptr<XpFrameRecord>>& records() const { return records_; }
    void releaseRecord(XpFrameRecord* record);
    // Takes over another painter's records of controls outside `exceptForm`.
    void adoptRecords(TMenuPainter& from, const PainterForm* exceptForm);
    void restoreControls(const PainterForm& form);

private:
    void setColour(Color& slot, Color value);
    void computeColors(Canvas& canvas);
    void installHandlers(PainterForm& form, MenuItem& item);
    void installTree(PainterForm& form, MenuItem& root);
    void removeTree(PainterForm& form, MenuItem& root);
    void styleControls(PainterForm& form);
    MenuItemFacts factsOf(const PainterForm& form, const MenuItem& item) const;
    MenuPaintSettings paintSettings(Canvas& canvas);
    PainterForm* formOfItem(const MenuItem& item) const;

    PainterForm& form_;
    TMenuPainterManager* manager_;
    OsGeneration os_;

    int dimLevel_ = 30;
    int grayLevel_ = 10;
    Font font_;
    Color color_;
    bool drawMenuBar_ = false;
    Color iconBackColor_;
    Color menuBarColor_;
    Color selectColor_;
    Color selectBorderColor_;
    Color selectFontColor_;
    Color disabledColor_;
    Color separatorColor_;
    Color checkedColor_;
    int iconWidth_ = 24;
    bool drawSelect_ = true;
    bool useSystemColors_ = true;
    bool useDimColor_ = false;
    bool overrideOwnerDraw_ = false;
    bool gradient_ = false;
    bool flatMenu_ = false;
    bool autoDetect_ = false;
    XPContainers xpContainers_ = XPContainers::all();
    XPControls xpControls_ = XPControls::all();
    bool active_ = false;
    bool disableSubclassing_ = false;

    MenuPainterColors colors_;
    bool colorsStale_ = true;
    bool flatMenuPending_ = false;
    std::vector<PainterForm*> styledForms_;  // forms whose menus carry this painter's handlers
    std::vector<std::unique_ptr<XpFrameRecord>> records_;
};

}  // namespace controls
