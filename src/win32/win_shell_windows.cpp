#include "win32/win_shell_windows.h"

#include <windows.h>
// windows.h first: the shell headers rely on its types.
#include <exdisp.h>
#include <shlguid.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <shobjidl.h>

#include <map>
#include <utility>

#include "win32/wide_text.h"

namespace win {
namespace {

// A COM interface pointer released exactly once.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { reset(); }
    ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For the calls that hand out a new reference.
    T** out() {
        reset();
        return &p_;
    }
    void** outVoid() { return reinterpret_cast<void**>(out()); }
    void reset() {
        if (p_ != nullptr) std::exchange(p_, nullptr)->Release();
    }

private:
    T* p_ = nullptr;
};

// An item identifier list the shell allocated for the caller.
class ItemIdList {
public:
    ItemIdList() = default;
    ~ItemIdList() { CoTaskMemFree(pidl_); }
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;
    PIDLIST_ABSOLUTE get() const { return pidl_; }
    PIDLIST_ABSOLUTE* out() { return &pidl_; }

private:
    PIDLIST_ABSOLUTE pidl_ = nullptr;
};

// A VARIANT cleared when it goes.
class Variant {
public:
    Variant() { VariantInit(&v_); }
    explicit Variant(LONG value) : Variant() {
        v_.vt = VT_I4;
        v_.lVal = value;
    }
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT& get() { return v_; }

private:
    VARIANT v_;
};

std::string displayNameOf(IShellFolder* parent, PCUITEMID_CHILD child, SHGDNF flags) {
    STRRET name{};
    if (FAILED(parent->GetDisplayNameOf(child, flags, &name))) return std::string();
    wchar_t buffer[MAX_PATH * 2] = {};
    if (FAILED(StrRetToBufW(&name, child, buffer, ARRAYSIZE(buffer)))) return std::string();
    return gbk(std::wstring(buffer));
}

// The folder in the form the platform interface promises: a file-system path,
// the computer view's parsing name, or the display name of any other view.
std::string folderText(PCIDLIST_ABSOLUTE folder) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(folder, path) && path[0] != L'\0') return gbk(std::wstring(path));
    ComRef<IShellFolder> parent;
    PCUITEMID_CHILD child = nullptr;
    if (FAILED(SHBindToParent(folder, IID_IShellFolder, parent.outVoid(), &child))) return std::string();
    const std::string parsing = displayNameOf(parent.get(), child, SHGDN_FORPARSING);
    if (lstrcmpiA(parsing.c_str(), platform::kComputerViewParsingName) == 0) return platform::kComputerViewParsingName;
    return displayNameOf(parent.get(), child, SHGDN_NORMAL);
}

// One entry of the collection: a window, or on Windows 11 one tab of a window.
struct ViewEntry {
    HWND window = nullptr;
    HWND view = nullptr;  // the shell browser's own window: the tab's window where there are tabs
    std::string folder;
};

bool readEntry(IDispatch* item, ViewEntry& entry) {
    ComRef<IWebBrowser2> browser;
    if (FAILED(item->QueryInterface(IID_IWebBrowser2, browser.outVoid()))) return false;
    SHANDLE_PTR top = 0;
    if (FAILED(browser->get_HWND(&top)) || top == 0) return false;
    entry.window = reinterpret_cast<HWND>(top);

    ComRef<IServiceProvider> services;
    ComRef<IShellBrowser> shellBrowser;
    ComRef<IShellView> view;
    ComRef<IFolderView> folderView;
    ComRef<IPersistFolder2> folder;
    ItemIdList pidl;
    // Internet Explorer's windows are in the collection too; they have no shell view.
    if (FAILED(item->QueryInterface(IID_IServiceProvider, services.outVoid())) ||
        FAILED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, shellBrowser.outVoid())) ||
        FAILED(shellBrowser->QueryActiveShellView(view.out())) ||
        FAILED(view->QueryInterface(IID_IFolderView, folderView.outVoid())) ||
        FAILED(folderView->GetFolder(IID_IPersistFolder2, folder.outVoid())) ||
        FAILED(folder->GetCurFolder(pidl.out()))) {
        return false;
    }
    shellBrowser->GetWindow(&entry.view);
    entry.folder = folderText(pidl.get());
    return true;
}

std::vector<ViewEntry> readEntries(IShellWindows* shellWindows) {
    std::vector<ViewEntry> entries;
    LONG count = 0;
    if (FAILED(shellWindows->get_Count(&count))) return entries;
    for (LONG i = 0; i < count; ++i) {
        Variant index(i);
        ComRef<IDispatch> item;
        if (FAILED(shellWindows->Item(index.get(), item.out())) || !item) continue;
        ViewEntry entry;
        if (readEntry(item.get(), entry)) entries.push_back(std::move(entry));
    }
    return entries;
}

// Windows 11 lists every tab with the window's handle; the active tab's window is
// the first tab window among the window's children.
std::vector<platform::ShellFolderWindow> groupByWindow(const std::vector<ViewEntry>& entries) {
    std::vector<platform::ShellFolderWindow> windows;
    std::map<HWND, std::size_t> slot;
    std::map<HWND, bool> activeSeen;
    for (const ViewEntry& entry : entries) {
        const auto [it, added] = slot.emplace(entry.window, windows.size());
        if (added) {
            windows.push_back({handleOf(entry.window), std::string(), {}});
            activeSeen[entry.window] = false;
        }
        platform::ShellFolderWindow& window = windows[it->second];
        const HWND activeTab = FindWindowExW(entry.window, nullptr, L"ShellTabWindowClass", nullptr);
        const bool active = activeTab == nullptr || activeTab == entry.view;
        if (active && !activeSeen[entry.window]) {
            activeSeen[entry.window] = true;
            window.activeFolder = entry.folder;
        } else {
            window.otherFolders.push_back(entry.folder);
        }
    }
    // A window whose active tab could not be told apart: its first tab stands in.
    for (platform::ShellFolderWindow& window : windows) {
        if (!activeSeen[hwndOf(window.window)] && !window.otherFolders.empty()) {
            window.activeFolder = window.otherFolders.front();
            window.otherFolders.erase(window.otherFolders.begin());
        }
    }
    return windows;
}

}  // namespace

WinShellWindows::WinShellWindows() {
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    comReady_ = SUCCEEDED(hr);
}

WinShellWindows::~WinShellWindows() {
    if (comReady_) CoUninitialize();
}

bool WinShellWindows::folderWindows(std::vector<platform::ShellFolderWindow>& windows) {
    windows.clear();
    ComRef<IShellWindows> shellWindows;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows, shellWindows.outVoid()))) {
        return false;
    }
    LONG count = 0;
    // Wine creates the collection but answers "not implemented" here.
    if (FAILED(shellWindows->get_Count(&count))) return false;
    windows = groupByWindow(readEntries(shellWindows.get()));
    return true;
}

}  // namespace win
