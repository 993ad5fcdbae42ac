#pragma once
// The painted controls on screen: a child window for a chrome button model and one for a gradient
// label model. Each view paints its model through the GDI canvas and turns the window's mouse,
// keyboard and focus messages into the model's user... calls. It follows the model through the
// model's change hook (placement, enabled state, visibility, caption and every repaint request);
// a change hook that was set before is kept and still called.
//
// Hosting: create the view after the parent window exists, keep the returned object for as long
// as the window should live (destroying it destroys the window), and register its hwnd() with the
// form's tool tips. Tab navigation is the host's; Enter, Esc and typed characters that reach a
// focused button are offered to the form's DialogKeyTargets when one is given.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/chrome_button.h"
#include "controls/dialog_keys.h"
#include "controls/gradient_label.h"

namespace win {

class ChromeButtonView {
public:
    static std::unique_ptr<ChromeButtonView> create(HWND parent, controls::ChromeCustomButton& model, int id,
                                                    controls::DialogKeyTargets* formKeys = nullptr);
    ~ChromeButtonView();
    ChromeButtonView(const ChromeButtonView&) = delete;
    ChromeButtonView& operator=(const ChromeButtonView&) = delete;

    HWND hwnd() const { return window_; }
    // Where a popup menu of the button goes: the screen point of the client point given. The
    // host shows the menu; without a host nothing opens.
    std::function<void(controls::Menu&, POINT screen)> showPopup;

private:
    ChromeButtonView(controls::ChromeCustomButton& model, controls::DialogKeyTargets* formKeys);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void modelChanged();
    void paint(HDC dc);
    void mouseMoved(WPARAM wParam, LPARAM lParam);
    void mouseDown(controls::MouseButton button, WPARAM wParam, LPARAM lParam);
    void mouseUp(controls::MouseButton button, WPARAM wParam, LPARAM lParam);
    bool pointerInside() const;

    controls::ChromeCustomButton& model_;
    controls::DialogKeyTargets* formKeys_;
    HWND window_ = nullptr;
    bool trackingLeave_ = false;
    std::string shownCaption_;
    std::function<void()> previousOnChanged_;
};

class GradientLabelView {
public:
    static std::unique_ptr<GradientLabelView> create(HWND parent, controls::GradientLabel& model, int id);
    ~GradientLabelView();
    GradientLabelView(const GradientLabelView&) = delete;
    GradientLabelView& operator=(const GradientLabelView&) = delete;

    HWND hwnd() const { return window_; }

private:
    explicit GradientLabelView(controls::GradientLabel& model) : model_(model) {}
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void modelChanged();
    void paint(HDC dc);

    controls::GradientLabel& model_;
    HWND window_ = nullptr;
    std::string shownCaption_;
    std::function<void()> previousOnChanged_;
};

}  // namespace win
