#include "win32/win_dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "win32/gdi_values.h"
#include "win32/wide_text.h"

namespace win {
namespace {

constexpr wchar_t kApplicationTitle[] = L"Folvaric2.1";
constexpr DWORD kFileNameChars = 4096;

// "description|pattern|description|pattern" as the forms write it becomes the dialog's list of
// NUL-separated pairs ending in two NULs.
std::wstring dialogFilter(const std::string& formFilter) {
    std::wstring filter = wide(formFilter);
    if (filter.empty()) return filter;
    for (wchar_t& c : filter) {
        if (c == L'|') c = L'\0';
    }
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

// The parts of the dialog record that outlive the call's set-up.
struct FileDialog {
    std::wstring filter, initialDir, defaultExt;
    std::vector<wchar_t> fileName = std::vector<wchar_t>(kFileNameChars, L'\0');
    OPENFILENAMEW record{};

    FileDialog(HWND owner, const platform::FileDialogOptions& options, DWORD flags) {
        filter = dialogFilter(options.filter);
        initialDir = wide(options.initialDir);
        std::string ext = options.defaultExt;
        if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
        defaultExt = wide(ext);
        const std::wstring name = wide(options.fileName);
        if (name.size() < kFileNameChars) std::copy(name.begin(), name.end(), fileName.begin());

        record.lStructSize = sizeof record;
        record.hwndOwner = owner;
        record.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
        record.nFilterIndex = 1;
        record.lpstrFile = fileName.data();
        record.nMaxFile = kFileNameChars;
        record.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
        record.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
        // The current folder stays the program's: "Explorer.exe" is searched for there too.
        record.Flags = flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    }

    std::string chosen() const { return gbk(std::wstring(fileName.data())); }
};

}  // namespace

platform::WindowHandle WinDialogs::ownerOr(platform::WindowHandle owner) const {
    if (owner != 0 || !defaultOwner_) return owner;
    return defaultOwner_();
}

int WinDialogs::messageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                           std::uint32_t flags) {
    return MessageBoxW(hwndOf(ownerOr(owner)), wide(text).c_str(), wide(caption).c_str(), flags);
}

void WinDialogs::showMessage(const std::string& text) {
    MessageBoxW(hwndOf(ownerOr(0)), wide(text).c_str(), kApplicationTitle, MB_OK);
}

bool WinDialogs::chooseFont(platform::FontChoice& font) {
    LOGFONTW log = logFontOf(font);
    CHOOSEFONTW record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = hwndOf(ownerOr(0));
    record.lpLogFont = &log;
    record.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    record.rgbColors = colourOf(font.color);
    if (!ChooseFontW(&record)) return false;
    font = fontChoiceOf(log, record.rgbColors);
    // The dialog reports the size it showed, in points; a height that does not convert back
    // exactly would drift by a point at every choice.
    if (record.iPointSize > 0) font.size = record.iPointSize / 10;
    return true;
}

std::optional<std::string> WinDialogs::openFile(const platform::FileDialogOptions& options) {
    // No must-exist flags: the commands test the chosen file themselves and say what is wrong.
    FileDialog dialog(hwndOf(ownerOr(0)), options, 0);
    if (!GetOpenFileNameW(&dialog.record)) return std::nullopt;
    return dialog.chosen();
}

std::optional<std::string> WinDialogs::saveFile(const platform::FileDialogOptions& options) {
    FileDialog dialog(hwndOf(ownerOr(0)), options, options.confirmOverwrite ? OFN_OVERWRITEPROMPT : 0);
    if (!GetSaveFileNameW(&dialog.record)) return std::nullopt;
    return dialog.chosen();
}

}  // namespace win
