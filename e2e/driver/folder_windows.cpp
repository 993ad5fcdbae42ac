#include "folder_windows.h"

#include "desktop.h"

namespace e2e {
namespace {

constexpr DWORD kOpenTimeout = 10000;

// Explorer splits its command line at commas: a path holding one goes in quotes.
std::wstring explorerArgument(const std::wstring& path) {
    return path.find(L',') == std::wstring::npos ? path : L"\"" + path + L"\"";
}
const std::vector<std::wstring> kWin7AddressChain = {L"WorkerW",           L"ReBarWindow32",     L"Address Band Root",
                                                     L"msctls_progress32", L"Breadcrumb Parent", L"ToolbarWindow32"};

bool sameText(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool ownedByStandIn(HWND window) {
    return sameText(processImagePath(windowProcessId(window)), programFile(L"Explorer.exe"));
}

std::wstring wineExplorerPath() {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\explorer.exe";
}

void endProcessOf(HWND window) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, windowProcessId(window));
    if (!process) return;
    TerminateProcess(process, 98);
    WaitForSingleObject(process, 3000);
    CloseHandle(process);
}

std::vector<HWND> allFolderWindows() {
    std::vector<HWND> windows = standInWindows();
    for (HWND window : wineExplorerWindows()) windows.push_back(window);
    return windows;
}

}  // namespace

std::wstring displayNameOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\:");
    if (slash == std::wstring::npos || slash + 1 == path.size()) return path;
    return path.substr(slash + 1);
}

HWND openFolderWindow(const std::wstring& path, int showCommand) {
    Process explorer;
    if (!explorer.start(programFile(L"Explorer.exe"), L"/n," + explorerArgument(path), showCommand)) return nullptr;
    // Titled with the folder's name, or with its full path when Explorer.ini asks for that.
    const DWORD processId = explorer.id();
    HWND window = waitForWindow(
        [&]() -> HWND {
            if (HWND named = findTopLevel(displayNameOf(path), processId, L"CabinetWClass")) return named;
            return findTopLevel(path, processId, L"CabinetWClass");
        },
        kOpenTimeout);
    // The stand-in keeps running on its own; closeAllFolderWindows() ends it.
    explorer.release();
    return window;
}

std::vector<HWND> openFolderWindowsInOneProcess(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) list += L"/n," + explorerArgument(path) + L"\r\n";
    std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(
                          CP_UTF8, 0, list.data(), static_cast<int>(list.size()), nullptr, 0, nullptr, nullptr)),
                      '\0');
    if (!bytes.empty()) {
        WideCharToMultiByte(CP_UTF8, 0, list.data(), static_cast<int>(list.size()), &bytes[0],
                            static_cast<int>(bytes.size()), nullptr, nullptr);
    }
    const std::wstring listFile = programFile(L"Explorer-folders.txt");
    if (!writeFileBytes(listFile, bytes)) return {};
    Process explorer;
    if (!explorer.start(programFile(L"Explorer.exe"), L"/folders,\"" + listFile + L"\"")) return {};
    const DWORD processId = explorer.id();
    std::vector<HWND> windows;
    // Each window's title is set last; a process opening hundreds takes a while.
    const DWORD timeout = kOpenTimeout + 100 * static_cast<DWORD>(paths.size());
    for (const std::wstring& path : paths) {
        HWND window = waitForWindow(
            [&]() -> HWND {
                if (HWND named = findTopLevel(displayNameOf(path), processId, L"CabinetWClass")) return named;
                return findTopLevel(path, processId, L"CabinetWClass");
            },
            timeout);
        if (window == nullptr) return {};
        windows.push_back(window);
    }
    explorer.release();
    return windows;
}

HWND openWineExplorerWindow(const std::wstring& path) {
    Process explorer;
    if (!explorer.start(wineExplorerPath(), L"/root," + path)) return nullptr;
    HWND window = waitForWindow(
        [&] {
            for (HWND candidate : wineExplorerWindows()) {
                if (IsWindowVisible(candidate) && windowTitle(candidate) == displayNameOf(path)) return candidate;
            }
            return static_cast<HWND>(nullptr);
        },
        kOpenTimeout);
    explorer.release();
    return window;
}

std::vector<HWND> standInWindows() {
    std::vector<HWND> windows;
    for (HWND window : topLevelWindows()) {
        if (className(window) == L"CabinetWClass" && ownedByStandIn(window)) windows.push_back(window);
    }
    return windows;
}

HWND findStandInWindow(const std::wstring& title) {
    for (HWND window : standInWindows()) {
        if (windowTitle(window) == title) return window;
    }
    return nullptr;
}

std::wstring standInAddress(HWND window) {
    HWND toolbar = childByClassChain(window, kWin7AddressChain);
    return toolbar ? windowTextMessage(toolbar) : std::wstring();
}

std::vector<HWND> wineExplorerWindows() {
    std::vector<HWND> windows;
    for (HWND window : topLevelWindows()) {
        if (className(window) == L"ExplorerWClass") windows.push_back(window);
    }
    return windows;
}

bool closeAllFolderWindows(DWORD timeoutMilliseconds) {
    for (HWND window : allFolderWindows()) PostMessageW(window, WM_CLOSE, 0, 0);
    if (waitUntil([] { return allFolderWindows().empty(); }, timeoutMilliseconds)) return true;
    for (HWND window : allFolderWindows()) endProcessOf(window);
    return allFolderWindows().empty();
}

std::vector<std::wstring> standInLaunches() {
    const std::string bytes = readFileBytes(programFile(L"Explorer.log"));
    std::wstring text;
    if (!bytes.empty()) {
        const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        text.resize(static_cast<std::size_t>(size));
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], size);
    }
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        if (end > start) lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void clearStandInLaunches() {
    DeleteFileW(programFile(L"Explorer.log").c_str());
}

}  // namespace e2e
