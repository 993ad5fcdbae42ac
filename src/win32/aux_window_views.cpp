#include "win32/aux_window_views.h"

#include "win32/aux_about_box_view.h"
#include "win32/aux_dual_window_view.h"
#include "win32/wide_text.h"

namespace win {

AuxWindows::AuxWindows(HINSTANCE instance, folvaric::Form1& form)
    : instance_(instance), form_(form), about_(form.p), dual_(form) {
    folvaric::buildAboutBox(about_);
    folvaric::buildForm3(dual_);
}

AuxWindows::~AuxWindows() {
    // The main form outlives these windows only as a model; it must not call into them.
    form_.showAboutBox = nullptr;
    form_.showDualWindow = nullptr;
}

bool AuxWindows::create() {
    HWND owner = hwndOf(form_.p.app.mainWindow());
    aboutView_ = std::make_unique<AboutBoxView>(instance_, about_);
    const bool aboutMade = aboutView_->create(owner);
    if (aboutMade) form_.showAboutBox = [this] { about_.showModeless(); };

    dualView_ = std::make_unique<DualWindowView>(instance_, dual_);
    const bool dualMade = dualView_->create(owner);
    if (dualMade) form_.showDualWindow = [this] { dual_.showModeless(); };
    return aboutMade && dualMade;
}

bool AuxWindows::navigate(MSG& message) {
    return aboutView_ && aboutView_->navigate(message);
}

}  // namespace win
