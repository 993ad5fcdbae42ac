#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/types.h"

namespace platform {

struct FontChoice {
    std::string name;  // GBK face name
    int size = 16;     // points
    std::uint32_t color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 1;
    bool operator==(const FontChoice& o) const {
        return name == o.name && size == o.size && color == o.color && bold == o.bold &&
               italic == o.italic && underline == o.underline && strikeOut == o.strikeOut &&
               charset == o.charset;
    }
};

struct FileDialogOptions {
    std::string filter;  // "description|pattern|..." as the forms write it
    std::string initialDir;
    std::string fileName;
    std::string defaultExt;
    // Save dialogs: the system asks before an existing file is chosen.
    bool confirmOverwrite = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box; returns the button pressed (mb::IdOk ...).
    virtual int messageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                           std::uint32_t flags) = 0;
    // The plain message dialog titled with the application title, one OK button.
    virtual void showMessage(const std::string& text) = 0;
    // Font dialog starting from `font`; fills it and returns true when confirmed.
    virtual bool chooseFont(FontChoice& font) = 0;
    virtual std::optional<std::string> openFile(const FileDialogOptions&) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogOptions&) = 0;
};

}  // namespace platform
