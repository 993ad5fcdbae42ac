#include "clipboard.h"

#include <windows.h>

#include <cstring>

#include "desktop.h"
#include "program_folder.h"

namespace e2e {
namespace {

// Another program may hold the clipboard open for a moment.
bool openClipboard() {
    return waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000);
}

}  // namespace

std::wstring clipboardAnsiText() {
    if (!openClipboard()) return {};
    std::string bytes;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            bytes = text;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return fromGbk(bytes);
}

bool setClipboardAnsiText(const std::wstring& text) {
    const std::string bytes = toGbk(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (!memory) return false;
    char* target = static_cast<char*>(GlobalLock(memory));
    std::memcpy(target, bytes.c_str(), bytes.size() + 1);
    GlobalUnlock(memory);
    if (!openClipboard()) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool done = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!done) GlobalFree(memory);
    return done;
}

}  // namespace e2e
