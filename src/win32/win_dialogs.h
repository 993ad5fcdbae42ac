#pragma once
// Message boxes and the common dialogs, owned by the main window.
#include <functional>

#include "platform/dialogs.h"

namespace win {

class WinDialogs : public platform::Dialogs {
public:
    // The window that owns boxes asked for without an owner (the main window, once it exists).
    explicit WinDialogs(std::function<platform::WindowHandle()> defaultOwner)
        : defaultOwner_(std::move(defaultOwner)) {}

    int messageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                   std::uint32_t flags) override;
    void showMessage(const std::string& text) override;
    bool chooseFont(platform::FontChoice& font) override;
    std::optional<std::string> openFile(const platform::FileDialogOptions&) override;
    std::optional<std::string> saveFile(const platform::FileDialogOptions&) override;

private:
    platform::WindowHandle ownerOr(platform::WindowHandle owner) const;
    std::function<platform::WindowHandle()> defaultOwner_;
};

}  // namespace win
