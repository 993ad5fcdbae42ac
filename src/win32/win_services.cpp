#include "win32/win_services.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstring>

#include "win32/wide_text.h"
#include "win32/win_handles.h"

namespace win {
namespace {

// The clipboard text's language, so that programs reading CF_TEXT convert it with code page 936.
constexpr LCID kSimplifiedChinese = 0x0804;

bool putOnClipboard(UINT format, const void* data, std::size_t bytes) {
    GlobalMemory memory(bytes);
    if (memory.get() == nullptr) return false;
    void* target = GlobalLock(memory.get());
    if (target == nullptr) return false;
    std::memcpy(target, data, bytes);
    GlobalUnlock(memory.get());
    if (SetClipboardData(format, memory.get()) == nullptr) return false;
    memory.release();  // the clipboard owns it now
    return true;
}

template <typename Char>
std::basic_string<Char> clipboardString(UINT format) {
    const HANDLE data = GetClipboardData(format);
    if (data == nullptr) return {};
    const auto* chars = static_cast<const Char*>(GlobalLock(data));
    if (chars == nullptr) return {};
    const std::size_t capacity = GlobalSize(data) / sizeof(Char);
    std::size_t length = 0;
    while (length < capacity && chars[length] != 0) ++length;
    std::basic_string<Char> text(chars, length);
    GlobalUnlock(data);
    return text;
}

}  // namespace

bool WinClipboard::setText(const std::string& gbkText) {
    ClipboardScope clipboard(owner_ ? owner_() : nullptr);
    if (!clipboard.open() || !EmptyClipboard()) return false;
    // The program's own bytes as CF_TEXT, and the same text as Unicode for every other program,
    // which then never depends on the system's ANSI code page.
    const bool ansi = putOnClipboard(CF_TEXT, gbkText.c_str(), gbkText.size() + 1);
    const std::wstring utf16 = wide(gbkText);
    putOnClipboard(CF_UNICODETEXT, utf16.c_str(), (utf16.size() + 1) * sizeof(wchar_t));
    const LCID locale = kSimplifiedChinese;
    putOnClipboard(CF_LOCALE, &locale, sizeof locale);
    return ansi;
}

std::string WinClipboard::text() {
    ClipboardScope clipboard(owner_ ? owner_() : nullptr);
    if (!clipboard.open()) return std::string();
    if (IsClipboardFormatAvailable(CF_UNICODETEXT)) return gbk(clipboardString<wchar_t>(CF_UNICODETEXT));
    if (IsClipboardFormatAvailable(CF_TEXT)) return clipboardString<char>(CF_TEXT);
    return std::string();
}

void WinSound::beep(std::uint32_t type) { MessageBeep(type); }

bool WinSound::play(const std::string& path, bool asynchronous) {
    const UINT flags = asynchronous ? SND_ASYNC : SND_SYNC;
    return sndPlaySoundW(wide(path).c_str(), flags) != FALSE;
}

void MessagePump::dispatch(MSG& message) {
    if (filter && filter(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void WinClock::pause(int milliseconds) { Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0); }

void WinClock::processMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program is ending; the main loop must still see the request.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        pump_.dispatch(message);
    }
}

std::int64_t WinClock::nowMilliseconds() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return f.QuadPart > 0 ? f.QuadPart : 1000;
    }();
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<std::int64_t>(counter.QuadPart / frequency * 1000 +
                                     counter.QuadPart % frequency * 1000 / frequency);
}

}  // namespace win
