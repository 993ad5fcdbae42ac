#include "desktop.h"

#include <algorithm>
#include <string>
#include <utility>

#include "check.h"
#include "runner_requests.h"

namespace e2e {

// --- Program folder --------------------------------------------------------------------------

std::wstring programDir() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring programFile(const std::wstring& name) {
    return programDir() + L"\\" + name;
}

std::string readFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

bool writeFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// --- Processes -------------------------------------------------------------------------------

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        terminate();
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() {
    terminate();
}

bool Process::start(const std::wstring& exe, const std::wstring& arguments, int showCommand) {
    terminate();
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION info = {};
    const std::wstring folder = programDir();
    // Wine now and then refuses a start right after the previous instance ended (the file is
    // still being released); a user would simply start it again.
    bool started = false;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0) Sleep(300);
        started = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                 &startup, &info) != FALSE;
        if (!started) note("CreateProcess failed with error " + std::to_string(GetLastError()));
    }
    if (!started) return false;
    CloseHandle(info.hThread);
    handle_ = info.hProcess;
    id_ = info.dwProcessId;
    // The program's windows exist only after its start-up; WaitForInputIdle is not reliable for
    // that under Wine, so callers wait for the window itself.
    return true;
}

bool Process::running() const {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

bool Process::waitForExit(DWORD milliseconds) {
    return handle_ && WaitForSingleObject(handle_, milliseconds) == WAIT_OBJECT_0;
}

DWORD Process::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (handle_) GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::terminate() {
    if (!handle_) return;
    if (running()) {
        TerminateProcess(handle_, 99);
        WaitForSingleObject(handle_, 5000);
    }
    CloseHandle(handle_);
    handle_ = nullptr;
    id_ = 0;
}

void Process::release() {
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
    id_ = 0;
}

// --- Windows ---------------------------------------------------------------------------------

namespace {

BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::wstring windowTitle(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

std::wstring windowTextMessage(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    // Some controls answer the length question with 0 and still hand out their text (Wine's
    // status bar in simple mode counts the hidden simple part); ask with room to spare.
    std::wstring text(std::max<DWORD_PTR>(length + 1, 4096), L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                             2000, &copied)) {
        return {};
    }
    text.resize(std::min<DWORD_PTR>(copied, text.size() - 1));
    return text;
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

DWORD windowProcessId(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::wstring processImagePath(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return {};
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    const BOOL ok = QueryFullProcessImageNameW(process, 0, path, &size);
    CloseHandle(process);
    return ok ? std::wstring(path, size) : std::wstring();
}

std::wstring fileNameOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

RECT windowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

int width(const RECT& rect) {
    return rect.right - rect.left;
}

int height(const RECT& rect) {
    return rect.bottom - rect.top;
}

HWND findTopLevel(const std::wstring& title, DWORD processId, const wchar_t* windowClass) {
    for (HWND window : topLevelWindows()) {
        if (processId && windowProcessId(window) != processId) continue;
        if (windowClass && className(window) != windowClass) continue;
        if (windowTitle(window) == title) return window;
    }
    return nullptr;
}

HWND waitForWindow(const std::function<HWND()>& found, DWORD timeoutMilliseconds) {
    const DWORD started = GetTickCount();
    for (;;) {
        if (HWND window = found()) return window;
        if (GetTickCount() - started >= timeoutMilliseconds) return nullptr;
        Sleep(20);
    }
}

HWND waitForTopLevel(const std::wstring& title, DWORD processId, DWORD timeoutMilliseconds,
                     const wchar_t* windowClass) {
    return waitForWindow([&] { return findTopLevel(title, processId, windowClass); }, timeoutMilliseconds);
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds) {
    const DWORD started = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - started >= timeoutMilliseconds) return false;
        Sleep(20);
    }
}

HWND childByClassChain(HWND root, const std::vector<std::wstring>& classes) {
    HWND current = root;
    for (const auto& wanted : classes) {
        HWND next = nullptr;
        for (HWND child : childWindows(current)) {
            if (className(child) == wanted) {
                next = child;
                break;
            }
        }
        if (!next) return nullptr;
        current = next;
    }
    return current;
}

// --- Stand-in Explorer -----------------------------------------------------------------------

bool configureStandInExplorer(ExplorerStyle style, ExplorerTitle title, bool xpAddressShowsFullPath) {
    std::string ini = "[explorer]\r\n";
    ini += style == ExplorerStyle::Xp     ? "style=xp\r\n"
           : style == ExplorerStyle::Win7 ? "style=win7\r\n"
                                          : "style=win11\r\n";
    ini += title == ExplorerTitle::Name ? "title=name\r\n" : "title=fullpath\r\n";
    ini += xpAddressShowsFullPath ? "address=fullpath\r\n" : "address=name\r\n";
    return writeFileBytes(programFile(L"Explorer.ini"), ini);
}

// --- Screenshots -----------------------------------------------------------------------------

void screenshot(const std::wstring& name, HWND window) {
    screenshotArea(name, windowRect(window));
}

void screenshotArea(const std::wstring& name, const RECT& wanted) {
    // Only what is on the screen can be captured (a maximised window reaches past its edges).
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area{};
    if (!IntersectRect(&area, &wanted, &screen)) return;
    // The runner captures the rectangle with ImageMagick; what is on screen must stay as it is
    // until the request is gone.
    const std::string line = std::to_string(area.left) + " " + std::to_string(area.top) + " " +
                             std::to_string(width(area)) + " " + std::to_string(height(area));
    askRunner(L"screenshot-" + name, line);
}

}  // namespace e2e
