// Switching the painter on and off over a form's components: owner-draw handlers on the menu
// items, subclass records on the styled controls.
#include <algorithm>

#include "controls/menu_painter.h"
#include "controls/xp_frames.h"

namespace controls {

namespace {

// Items and controls tagged so are left to the system.
constexpr int kLeaveAlone = 999;

template <typename Handler>
void install(HandlerSlot<Handler>& slot, Handler mine, const void* painter, bool override) {
    if (slot.installedBy == painter) return;
    if (!slot.empty()) {
        if (!override) return;
        // The form's own handler comes back when the painter leaves.
        if (slot.installedBy == nullptr) slot.displaced = std::move(slot.handler);
    }
    slot.handler = std::move(mine);
    slot.installedBy = painter;
}

template <typename Handler>
void remove(HandlerSlot<Handler>& slot, const void* painter) {
    if (slot.installedBy != painter || slot.empty()) return;
    slot.handler = std::move(slot.displaced);
    slot.displaced = nullptr;
    slot.installedBy = nullptr;
}

}  // namespace

void TMenuPainter::installHandlers(PainterForm& form, MenuItem& item) {
    if (item.tag == kLeaveAlone) return;
    MenuItemEvents& events = form.menuEvents.of(item);
    install<DrawItemHandler>(
        events.onDrawItem,
        [this](MenuItem& i, Canvas& c, const Rect& r, bool selected) { drawItem(i, c, r, selected); }, this,
        overrideOwnerDraw_);
    install<MeasureItemHandler>(
        events.onMeasureItem, [this](MenuItem& i, Canvas& c, int& w, int& h) { measureItem(i, c, w, h); },
        this, overrideOwnerDraw_);
}

void TMenuPainter::installTree(PainterForm& form, MenuItem& root) {
    for (MenuItem* item : root.items) {
        if (item == nullptr) continue;
        installHandlers(form, *item);
        installTree(form, *item);  // sub-items of an item left alone are still handled
    }
}

void TMenuPainter::removeTree(PainterForm& form, MenuItem& root) {
    for (MenuItem* item : root.items) {
        if (item == nullptr) continue;
        if (MenuItemEvents* events = form.menuEvents.find(*item)) {
            remove(events->onDrawItem, this);
            remove(events->onMeasureItem, this);
        }
        removeTree(form, *item);
    }
}

void TMenuPainter::activateForm(PainterForm& form) {
    if (std::find(styledForms_.begin(), styledForms_.end(), &form) == styledForms_.end()) {
        styledForms_.push_back(&form);
    }
    for (PainterMenu& menu : form.menus) {
        if (menu.menu == nullptr) continue;
        if (menu.mainMenu) {
            if (!xpControls_.has(TXPControl::xcMainMenu) || menu.tag == kLeaveAlone) continue;
            installTree(form, menu.menu->root);
            if (remeasureMenuBar) remeasureMenuBar();
        } else if (xpControls_.has(TXPControl::xcPopupMenu)) {
            installTree(form, menu.menu->root);
        }
    }
    styleControls(form);
}

void TMenuPainter::deactivateForm(PainterForm& form) {
    for (PainterMenu& menu : form.menus) {
        if (menu.menu != nullptr) removeTree(form, menu.menu->root);
    }
    restoreControls(form);
    styledForms_.erase(std::remove(styledForms_.begin(), styledForms_.end(), &form), styledForms_.end());
}

void TMenuPainter::styleControls(PainterForm& form) {
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const PainterControl& control = form.controls[i];
        const bool styled = std::any_of(records_.begin(), records_.end(), [&](const auto& r) {
            return &r->form() == &form && r->controlIndex() == i;
        });
        if (styled || !shouldStyle(form, control, xpControls_, xpContainers_)) continue;
        const std::optional<FrameKind> kind = frameKindOf(control, xpControls_);
        records_.push_back(std::make_unique<XpFrameRecord>(*this, form, i, *kind, *control.site));
        records_.back()->install();
    }
}

void TMenuPainter::restoreControls(const PainterForm& form) {
    for (auto& record : records_) {
        if (&record->form() == &form) record->undo();
    }
    records_.erase(
        std::remove_if(records_.begin(), records_.end(), [&](const auto& r) { return &r->form() == &form; }),
        records_.end());
}

void TMenuPainter::releaseRecord(XpFrameRecord* record) {
    const auto found =
        std::find_if(records_.begin(), records_.end(), [record](const auto& r) { return r.get() == record; });
    if (found == records_.end()) return;
    (*found)->undo();
    records_.erase(found);
}

void TMenuPainter::adoptRecords(TMenuPainter& from, const PainterForm* exceptForm) {
    auto& theirs = from.records_;
    for (auto& record : theirs) {
        if (record && &record->form() != exceptForm) {
            record->setPainter(*this);
            records_.push_back(std::move(record));
        }
    }
    theirs.erase(std::remove(theirs.begin(), theirs.end(), nullptr), theirs.end());
}

PainterForm* TMenuPainter::formOfItem(const MenuItem& item) const {
    for (PainterForm* form : styledForms_) {
        if (form->menuEvents.find(item) != nullptr) return form;
    }
    return nullptr;
}

void TMenuPainter::menuItemInserted(MenuItem& item) {
    if (!active_ || !autoDetect_) return;
    PainterForm* form = formOfItem(item);
    PainterForm& target = form != nullptr ? *form : form_;
    installHandlers(target, item);
    installTree(target, item);
}

void TMenuPainter::setActive(bool v) {
    if (active_ == v) return;
    active_ = v;
    if (v) {
        activateForm(form_);
    } else {
        deactivateForm(form_);
    }
    if (redrawMenuBar) redrawMenuBar();
}

void TMenuPainter::setOverrideOwnerDraw(bool v) {
    if (overrideOwnerDraw_ == v) return;
    overrideOwnerDraw_ = v;
    if (!active_) return;
    // Only the menus: the control frames do not depend on it.
    for (PainterForm* form : styledForms_) {
        for (PainterMenu& menu : form->menus) {
            if (menu.menu != nullptr) removeTree(*form, menu.menu->root);
        }
    }
    const std::vector<PainterForm*> forms = styledForms_;
    for (PainterForm* form : forms) {
        for (PainterMenu& menu : form->menus) {
            if (menu.menu == nullptr) continue;
            const bool wanted = menu.mainMenu
                                    ? xpControls_.has(TXPControl::xcMainMenu) && menu.tag != kLeaveAlone
                                    : xpControls_.has(TXPControl::xcPopupMenu);
            if (wanted) installTree(*form, menu.menu->root);
        }
    }
}

void TMenuPainter::setXPContainers(XPContainers v) {
    if (v == xpContainers_) return;
    if (!active_) {
        xpContainers_ = v;
        return;
    }
    const std::vector<PainterForm*> forms = styledForms_;
    for (PainterForm* form : forms) deactivateForm(*form);
    xpContainers_ = v;
    for (PainterForm* form : forms) activateForm(*form);
}

void TMenuPainter::setXPControls(XPControls v) {
    if (v == xpControls_) return;
    if (!active_) {
        xpControls_ = v;
        return;
    }
    const std::vector<PainterForm*> forms = styledForms_;
    for (PainterForm* form : forms) deactivateForm(*form);
    xpControls_ = v;
    for (PainterForm* form : forms) activateForm(*form);
}

}  // namespace controls
