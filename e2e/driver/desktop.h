#pragma once
// What the end-to-end tests do to and read from the Windows desktop: start and watch processes,
// find windows, read their texts, classes and geometry, prepare the program folder.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// --- Program folder --------------------------------------------------------------------------
// The driver runs from a scratch copy of the program folder: Folvaric.exe, the stand-in
// Explorer.exe and the data files all sit beside it.
std::wstring programDir();
std::wstring programFile(const std::wstring& name);  // programDir() + "\" + name

std::string readFileBytes(const std::wstring& path);  // empty when it cannot be read
bool writeFileBytes(const std::wstring& path, const std::string& bytes);
bool fileExists(const std::wstring& path);

// --- Processes -------------------------------------------------------------------------------
// A process started by a test. Whatever is still running when the object goes away is ended,
// so a failing test never leaves windows behind for the next one.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    ~Process();

    // Starts `exe` with `arguments` (appended after the quoted executable path), working
    // folder = programDir(), and the given show command. Returns false when it cannot start.
    bool start(const std::wstring& exe, const std::wstring& arguments = L"", int showCommand = SW_SHOWNORMAL);

    bool running() const;
    bool waitForExit(DWORD milliseconds);
    DWORD exitCode() const;  // STILL_ACTIVE while running
    DWORD id() const { return id_; }
    HANDLE handle() const { return handle_; }
    void terminate();
    // Lets the process run on after this object is gone (it is ended some other way).
    void release();

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// --- Windows ---------------------------------------------------------------------------------
std::vector<HWND> topLevelWindows();  // in Z order
std::vector<HWND> childWindows(HWND parent);  // direct children only
std::wstring windowTitle(HWND window);  // GetWindowTextW
std::wstring windowTextMessage(HWND window);  // WM_GETTEXT, as a program reads another's control
std::wstring className(HWND window);
DWORD windowProcessId(HWND window);
std::wstring processImagePath(DWORD processId);  // "" when unreadable
std::wstring fileNameOf(const std::wstring& path);
RECT windowRect(HWND window);
int width(const RECT& rect);
int height(const RECT& rect);

// The first top-level window with this title (and owned by this process, when non-zero).
HWND findTopLevel(const std::wstring& title, DWORD processId = 0, const wchar_t* windowClass = nullptr);
// Polls every 20 ms until `found` returns a window or the time is up; null on timeout.
HWND waitForWindow(const std::function<HWND()>& found, DWORD timeoutMilliseconds);
HWND waitForTopLevel(const std::wstring& title, DWORD processId, DWORD timeoutMilliseconds,
                     const wchar_t* windowClass = nullptr);
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds);

// Follows direct children by class name: {L"WorkerW", L"ReBarWindow32", ...}. Null when a link
// of the chain is missing.
HWND childByClassChain(HWND root, const std::vector<std::wstring>& classes);

// --- Stand-in Explorer -----------------------------------------------------------------------
enum class ExplorerStyle { Xp, Win7, Win11 };
enum class ExplorerTitle { Name, FullPath };
// Writes Explorer.ini beside the stand-in; every later launch reads it.
bool configureStandInExplorer(ExplorerStyle style, ExplorerTitle title = ExplorerTitle::Name,
                              bool xpAddressShowsFullPath = true);

// --- Screenshots -----------------------------------------------------------------------------
// Asks the e2e runner (outside Wine) to save the window's area of the screen as <name>.png.
// Does nothing when the driver runs without the runner.
void screenshot(const std::wstring& name, HWND window);
void screenshotArea(const std::wstring& name, const RECT& area);

}  // namespace e2e
