#include "win32/main_tray.h"

#include "app/error_handler.h"
#include "app/program_texts.h"
#include "options/appearance.h"
#include "win32/wide_text.h"

namespace win {
namespace {

Icon loadSmallIcon(HINSTANCE instance) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    return Icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

Icon loadIconFile(const std::string& path) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    return Icon(static_cast<HICON>(LoadImageW(nullptr, wide(path).c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
}

}  // namespace

MainTray::MainTray(HINSTANCE instance, folvaric::Form1& form, WinApplication& app, MainWindow& window)
    : form_(form), app_(app), window_(window), builtIn_(loadSmallIcon(instance)), icon_(instance, *this) {
    if (builtIn_) images_.push_back(builtIn_.get());

    // As stored on the form: image 0 of the list, never animating (interval 0), a left click
    // runs trayIconClicked, the right button's release opens the tray menu, and no mouse action
    // restores the program by itself.
    icon_.onError = [this](const std::string& text) { reportError(text); };
    icon_.restoreOn = TrayIconMessage::None;
    icon_.popupMenuOn = TrayIconMessage::RightClickUp;
    icon_.setIcons(&images_);
    icon_.iconIndex = 0;
    icon_.setAnimateInterval(0);
    icon_.setAnimate(true);
    icon_.onClick = [this] { folvaric::runHandler(form_, [this] { folvaric::trayIconClicked(form_); }); };
    icon_.popupMenu = [this](POINT at, HWND owner) { window_.showPopupMenu(form_.PopupMenu2.root, at, owner); };
    icon_.ownerDrawTarget = window_.hwnd();
    icon_.onAnimate = [this] { icon_.advanceIcon(); };
    icon_.setHint(form_.TrayIcon1.hint);
    icon_.loaded();
    icon_.setVisible(form_.TrayIcon1.visible);
    icon_.storeHide(form_.TrayIcon1.hide);

    form_.TrayIcon1.onChanged = [this] { sync(); };
    window_.appWindowHook = [this](UINT message, WPARAM wParam) { icon_.appWindowHook(message, wParam); };
}

MainTray::~MainTray() {
    form_.TrayIcon1.onChanged = nullptr;
    window_.appWindowHook = nullptr;
}

HWND MainTray::activeForm() {
    const HWND main = app_.mainHwnd();
    if (main == nullptr || !IsWindowVisible(main) || IsIconic(main)) return nullptr;
    return main;
}

void MainTray::sync() {
    folvaric::TrayIconModel& model = form_.TrayIcon1;
    if (model.visible != icon_.visible()) icon_.setVisible(model.visible);
    // The form has already done what the Hide writer does (TrayIconSetHide); the component
    // only keeps the value.
    icon_.storeHide(model.hide);
    if (model.hint != icon_.hint()) {
        icon_.setHint(model.hint);
        model.hint = icon_.hint();  // a hint of 64 bytes or more is refused: the old one stays
    }
    if (model.iconFile != shownIconFile_) {
        shownIconFile_ = model.iconFile;
        if (shownIconFile_.empty()) {
            icon_.selectImage(0);
        } else if (Icon loaded = loadIconFile(shownIconFile_)) {
            icon_.takeIcon(std::move(loaded));
        }
    }
}

void MainTray::reportError(const std::string& text) {
    // The component's failures reach the general error handler's box; they do not unwind the
    // handler that switched the icon (start-up would stop half-way otherwise).
    MessageBoxW(app_.mainHwnd(), wide(text).c_str(), wide(folvaric::app_text::programTitle()).c_str(),
                MB_OK | MB_ICONERROR);
}

}  // namespace win
