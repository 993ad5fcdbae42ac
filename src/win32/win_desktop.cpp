#include "win32/win_desktop.h"

#include <vector>

#include "win32/process_image_path.h"
#include "win32/wide_text.h"

namespace win {
namespace {

// How long the window-text message may wait for another program's window: a hung Explorer
// window must not hang this program with it.
constexpr UINT kWindowTextTimeoutMs = 1000;

platform::Rect rectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK collectTopLevel(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<platform::WindowHandle>*>(list)->push_back(handleOf(window));
    return TRUE;
}

struct DescendantVisit {
    const std::function<bool(platform::WindowHandle)>* visit;
};

BOOL CALLBACK visitDescendant(HWND window, LPARAM context) {
    const auto* visit = reinterpret_cast<DescendantVisit*>(context);
    return (*visit->visit)(handleOf(window)) ? TRUE : FALSE;
}

// A text read through a buffer of `bufferChars` characters, terminator included.
template <typename Read>
std::string readText(int bufferChars, Read read) {
    if (bufferChars <= 1) return std::string();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(bufferChars), L'\0');
    int length = read(buffer.data(), bufferChars);
    if (length <= 0) return std::string();
    if (length > bufferChars - 1) length = bufferChars - 1;
    return gbk(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

std::vector<platform::WindowHandle> WinDesktop::topLevelWindowsInZOrder() {
    // EnumWindows walks the top-level windows from the top of the Z order, as GetWindow with
    // GW_HWNDNEXT does, but cannot loop when the order changes during the walk.
    std::vector<platform::WindowHandle> windows;
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool WinDesktop::isWindow(platform::WindowHandle h) { return h != 0 && IsWindow(hwndOf(h)) != FALSE; }

std::uint32_t WinDesktop::style(platform::WindowHandle h) {
    return static_cast<std::uint32_t>(GetWindowLongW(hwndOf(h), GWL_STYLE));
}

std::string WinDesktop::title(platform::WindowHandle h, int bufferChars) {
    return readText(bufferChars, [h](wchar_t* buffer, int size) { return GetWindowTextW(hwndOf(h), buffer, size); });
}

std::string WinDesktop::className(platform::WindowHandle h, int bufferChars) {
    return readText(bufferChars, [h](wchar_t* buffer, int size) { return GetClassNameW(hwndOf(h), buffer, size); });
}

void WinDesktop::forEachDescendant(platform::WindowHandle h,
                                   const std::function<bool(platform::WindowHandle)>& visit) {
    // EnumChildWindows visits the children's children too, depth first.
    DescendantVisit context{&visit};
    EnumChildWindows(hwndOf(h), visitDescendant, reinterpret_cast<LPARAM>(&context));
}

std::string WinDesktop::windowText(platform::WindowHandle h, int bufferChars) {
    return readText(bufferChars, [h](wchar_t* buffer, int size) {
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutW(hwndOf(h), WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer),
                                 SMTO_ABORTIFHUNG | SMTO_BLOCK, kWindowTextTimeoutMs, &copied)) {
            return 0;
        }
        return static_cast<int>(copied);
    });
}

platform::ProcessId WinDesktop::processOf(platform::WindowHandle h) {
    DWORD processId = 0;
    if (GetWindowThreadProcessId(hwndOf(h), &processId) == 0) return 0;
    return static_cast<platform::ProcessId>(processId);
}

std::string WinDesktop::processExecutablePath(platform::ProcessId id) {
    return gbk(processImagePath(static_cast<DWORD>(id)));
}

bool WinDesktop::postClose(platform::WindowHandle h) { return PostMessageW(hwndOf(h), WM_CLOSE, 0, 0) != FALSE; }

bool WinDesktop::minimise(platform::WindowHandle h) { return CloseWindow(hwndOf(h)) != FALSE; }

bool WinDesktop::show(platform::WindowHandle h, platform::ShowCommand command) {
    // ShowWindow answers whether the window was visible before, not whether it worked.
    const HWND window = hwndOf(h);
    if (!IsWindow(window)) return false;
    ShowWindow(window, static_cast<int>(command));
    return true;
}

bool WinDesktop::move(platform::WindowHandle h, platform::Rect r, bool repaint) {
    return MoveWindow(hwndOf(h), r.left, r.top, r.width(), r.height(), repaint ? TRUE : FALSE) != FALSE;
}

bool WinDesktop::bringToTop(platform::WindowHandle h) { return BringWindowToTop(hwndOf(h)) != FALSE; }

bool WinDesktop::flash(platform::WindowHandle h, bool invert) {
    const HWND window = hwndOf(h);
    if (!IsWindow(window)) return false;
    FlashWindow(window, invert ? TRUE : FALSE);
    return true;
}

bool WinDesktop::isMinimised(platform::WindowHandle h) { return IsIconic(hwndOf(h)) != FALSE; }

platform::Rect WinDesktop::windowRect(platform::WindowHandle h) {
    RECT r{};
    if (!GetWindowRect(hwndOf(h), &r)) return {};
    return rectOf(r);
}

platform::WindowHandle WinDesktop::activeWindow() { return handleOf(GetForegroundWindow()); }

platform::Rect WinDesktop::desktopRect() {
    RECT r{};
    GetWindowRect(GetDesktopWindow(), &r);
    return rectOf(r);
}

platform::Rect WinDesktop::workArea() {
    RECT r{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return desktopRect();
    return rectOf(r);
}

// GetVersionEx answers what the manifest declares the program was written for
// (Windows 10 and 11 say 6.2 to a program that lists neither); ntdll's own call
// tells the truth on every NT system and is looked up because XP's ntdll is older
// than the headers.
platform::VersionRecord WinDesktop::version() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion =
        ntdll == nullptr
            ? nullptr
            : reinterpret_cast<RtlGetVersionCall>(reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")));
    platform::VersionRecord record;
    if ((rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) && !GetVersionExW(&info)) return record;
    record.majorVersion = info.dwMajorVersion;
    record.minorVersion = info.dwMinorVersion;
    record.buildNumber = info.dwBuildNumber;
    record.platformId = info.dwPlatformId;
    info.szCSDVersion[ARRAYSIZE(info.szCSDVersion) - 1] = L'\0';
    record.servicePack = gbk(std::wstring(info.szCSDVersion));
    return record;
}

}  // namespace win
