#include "controls/xp_frames_manager.h"

#include <algorithm>

namespace controls {

namespace {

constexpr int kLeaveAlone = 999;

template <typename T>
bool contains(const std::vector<T*>& list, const T* value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

template <typename T>
void erase(std::vector<T*>& list, const T* value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

}  // namespace

bool TMenuPainterManager::eligible(const TMenuPainter& p) const {
    return p.active() && !p.disableSubclassing();
}

void TMenuPainterManager::registerPainter(TMenuPainter& painter) {
    if (!contains(painters_, &painter)) painters_.push_back(&painter);
    if (!contains(styledForms_, &painter.form())) styledForms_.push_back(&painter.form());
    if (!contains(openForms_, &painter.form())) openForms_.push_back(&painter.form());
    if (leader_ == nullptr && eligible(painter)) {
        leader_ = &painter;
        queueOpenForms();
    }
}

void TMenuPainterManager::queueOpenForms() {
    for (PainterForm* form : openForms_) {
        if (form->ownsPainter || form->tag == kLeaveAlone) continue;
        if (contains(styledForms_, form) || contains(queuedForms_, form)) continue;
        queuedForms_.push_back(form);
    }
}

void TMenuPainterManager::unregisterPainter(TMenuPainter& painter) {
    erase(painters_, &painter);
    if (leader_ == &painter) leaderGone(painter);
}

void TMenuPainterManager::leaderGone(TMenuPainter& old) {
    leader_ = nullptr;
    for (TMenuPainter* p : painters_) {
        if (p != &old && eligible(*p)) {
            leader_ = p;
            break;
        }
    }
    if (leader_ != nullptr) {
        leader_->adoptRecords(old, &old.form());
        return;
    }
    for (PainterForm* form : styledForms_) {
        if (form != &old.form()) old.restoreControls(*form);
    }
    styledForms_.clear();
    queuedForms_.clear();
    // The painters still registered keep their own forms.
    for (TMenuPainter* p : painters_) styledForms_.push_back(&p->form());
}

void TMenuPainterManager::electLeader() {
    if (leader_ != nullptr) {
        if (!eligible(*leader_)) leaderGone(*leader_);
        return;
    }
    for (TMenuPainter* p : painters_) {
        if (eligible(*p)) {
            leader_ = p;
            queueOpenForms();
            return;
        }
    }
}

void TMenuPainterManager::formCreated(PainterForm& form) {
    if (!contains(openForms_, &form)) openForms_.push_back(&form);
    if (leader_ != nullptr && !form.ownsPainter && form.tag != kLeaveAlone &&
        !contains(styledForms_, &form) && !contains(queuedForms_, &form)) {
        queuedForms_.push_back(&form);
    }
}

void TMenuPainterManager::formDestroyed(PainterForm& form) {
    erase(openForms_, &form);
    erase(styledForms_, &form);
    erase(queuedForms_, &form);
    if (leader_ != nullptr && &leader_->form() != &form) leader_->restoreControls(form);
}

bool TMenuPainterManager::styled(const PainterForm& form) const {
    return contains(styledForms_, &form);
}

bool TMenuPainterManager::queued(const PainterForm& form) const {
    return contains(queuedForms_, &form);
}

TMenuPainter* TMenuPainterManager::painterOf(const MenuItem& item) const {
    for (TMenuPainter* p : painters_) {
        const MenuItemEvents* events = p->form().menuEvents.find(item);
        if (events != nullptr && events->onDrawItem.installedBy == p) return p;
    }
    return leader_;
}

void TMenuPainterManager::applicationMessage(const FlatMenuRequest* flatMenuRequest) {
    try {
        if (flatMenuRequest != nullptr) {
            TMenuPainter* painter =
                flatMenuRequest->item != nullptr ? painterOf(*flatMenuRequest->item) : leader_;
            if (painter == nullptr && !painters_.empty()) painter = painters_.front();
            if (painter != nullptr) {
                painter->flatMenuMessageHandled();
                if (drawFlatMenuFrame) drawFlatMenuFrame(*flatMenuRequest, *painter);
            }
        }
        if (leader_ == nullptr || queuedForms_.empty()) return;
        const std::vector<PainterForm*> waiting = std::move(queuedForms_);
        queuedForms_.clear();
        for (PainterForm* form : waiting) {
            if (contains(styledForms_, form)) continue;
            styledForms_.push_back(form);
            leader_->activateForm(*form);
        }
    } catch (...) {
        // Styling another form is a nicety: a failure leaves that form with the system's look.
    }
}

}  // namespace controls
