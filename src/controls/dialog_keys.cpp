#include "controls/dialog_keys.h"

#include <algorithm>

namespace controls {

void DialogKeyTargets::add(ChromeCustomButton& button) {
    if (std::find(buttons_.begin(), buttons_.end(), &button) == buttons_.end()) buttons_.push_back(&button);
}

void DialogKeyTargets::remove(ChromeCustomButton& button) {
    buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), &button), buttons_.end());
}

bool DialogKeyTargets::offerDialogKey(unsigned key, unsigned shift) {
    // A click may change the list (a handler can add or remove buttons): walk a copy.
    const std::vector<ChromeCustomButton*> targets = buttons_;
    for (ChromeCustomButton* b : targets) {
        if (b->userDialogKey(key, shift)) return true;
    }
    return false;
}

bool DialogKeyTargets::offerAccessKey(char ch) {
    const std::vector<ChromeCustomButton*> targets = buttons_;
    for (ChromeCustomButton* b : targets) {
        if (b->userAccessKey(ch)) return true;
    }
    return false;
}

}  // namespace controls
