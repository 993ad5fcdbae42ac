#pragma once
// The form's side of dialog keys and access keys. A key the focused control leaves alone (Enter,
// Esc, ...) is offered to the form's chrome buttons in turn until one uses it; a typed character
// likewise, as an access key. The form's views call these when such a key reaches them.
#include <vector>

#include "controls/chrome_button.h"

namespace controls {

class DialogKeyTargets {
public:
    void add(ChromeCustomButton& button);
    void remove(ChromeCustomButton& button);

    // True when a button used the key; the buttons before it have let go of their pressed state.
    bool offerDialogKey(unsigned key, unsigned shift);
    bool offerAccessKey(char ch);

private:
    std::vector<ChromeCustomButton*> buttons_;
};

}  // namespace controls
