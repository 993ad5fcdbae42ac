#pragma once
// The program's two secondary windows, the About box (TAboutBox) and the Explorer dual window
// (TForm3): their models and their views, created after the main form and before it is shown,
// hidden, for the life of the program.
#include <windows.h>

#include <memory>

#include "forms/about_box.h"
#include "forms/dual_window.h"
#include "state/form1.h"

namespace win {

class AboutBoxView;
class DualWindowView;

class AuxWindows {
public:
    AuxWindows(HINSTANCE instance, folvaric::Form1& form);
    ~AuxWindows();
    AuxWindows(const AuxWindows&) = delete;
    AuxWindows& operator=(const AuxWindows&) = delete;

    // Creates the About box, then the dual window, both hidden and owned by the main window, and
    // lets the main form show them (form.showAboutBox, form.showDualWindow). A window that cannot
    // be created is left out; its menu entries then do nothing. False when either failed.
    bool create();

    // The About box's keyboard (Enter presses OK, Tab moves); true when the message was handled.
    bool navigate(MSG& message);

    folvaric::AboutBox& aboutBox() { return about_; }
    folvaric::Form3& dualWindow() { return dual_; }

private:
    HINSTANCE instance_;
    folvaric::Form1& form_;
    folvaric::AboutBox about_;
    folvaric::Form3 dual_;
    std::unique_ptr<AboutBoxView> aboutView_;
    std::unique_ptr<DualWindowView> dualView_;
};

}  // namespace win
