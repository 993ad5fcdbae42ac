#pragma once
// The About box on screen: a fixed dialog frame with the picture, the four labels and the OK
// button of the AboutBox model. It is created hidden and lives until the program ends; closing
// it only hides it.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "forms/about_box.h"
#include "win32/hint_tips.h"
#include "win32/win_handles.h"

namespace win {

class AboutBoxView {
public:
    AboutBoxView(HINSTANCE instance, folvaric::AboutBox& model);
    AboutBoxView(const AboutBoxView&) = delete;
    AboutBoxView& operator=(const AboutBoxView&) = delete;

    // Creates the window, hidden, centred on the screen, owned by `owner`.
    bool create(HWND owner);
    HWND hwnd() const { return window_.get(); }
    // Enter presses OK, Tab moves between the controls; true when the message was handled.
    bool navigate(MSG& message);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    HWND createLabel(controls::Label& label, int id);
    void command(WPARAM wParam);
    void paint();
    void preparePicture();

    HINSTANCE instance_;
    folvaric::AboutBox& model_;
    OwnedWindow window_;
    std::unique_ptr<HintTips> tips_;
    std::vector<Font> fonts_;
    // The picture as a top-down 24-bit DIB: BGR, rows padded to four bytes.
    std::vector<std::uint8_t> dibBits_;
    BITMAPINFO dibInfo_{};
};

}  // namespace win
