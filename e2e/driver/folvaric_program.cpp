#include "folvaric_program.h"

#include "check.h"
#include "folder_windows.h"
#include "program_folder.h"
#include "user_input.h"

namespace e2e {
namespace {

bool hasClass(HWND window, const wchar_t* name) {
    return CompareStringOrdinal(className(window).c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

// The first descendant (depth first) of this class (any class when null) whose text matches,
// when a text is given.
HWND findDescendant(HWND parent, const wchar_t* windowClass, const std::wstring* text = nullptr) {
    for (HWND child : childWindows(parent)) {
        if ((!windowClass || hasClass(child, windowClass)) && (!text || windowTextMessage(child) == *text)) {
            return child;
        }
        if (HWND inner = findDescendant(child, windowClass, text)) return inner;
    }
    return nullptr;
}

LRESULT sendTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT failed) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result)) return failed;
    return static_cast<LRESULT>(result);
}

std::wstring entryText(HWND list, int index) {
    const LRESULT length = sendTimeout(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0, LB_ERR);
    if (length == LB_ERR || length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        sendTimeout(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]), LB_ERR);
    if (copied == LB_ERR || copied < 0) return {};
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

}  // namespace

std::string describe(const ListEntry& entry) {
    return (entry.ticked ? "[x] " : "[ ] ") + describe(entry.name);
}

std::string describe(const std::vector<ListEntry>& entries) {
    std::string out = "{";
    for (std::size_t i = 0; i < entries.size(); ++i) out += (i ? ", " : "") + describe(entries[i]);
    return out + "}";
}

std::string describe(const std::vector<std::wstring>& texts) {
    std::string out = "{";
    for (std::size_t i = 0; i < texts.size(); ++i) out += (i ? ", " : "") + describe(texts[i]);
    return out + "}";
}

HWND Folvaric::startShown() {
    return start() ? waitUntilShown() : nullptr;
}

HWND Folvaric::startListing(std::initializer_list<const wchar_t*> folderNames) {
    for (const wchar_t* name : folderNames) {
        if (openFolderWindow(testFolder(name)) == nullptr) return nullptr;
    }
    HWND shown = startShown();
    const auto listed = [&](const std::vector<ListEntry>& entries) { return entries.size() == folderNames.size(); };
    return shown != nullptr && waitForEntries(listed) ? shown : nullptr;
}

bool Folvaric::start() {
    // A copy of an earlier test may still be on its way out; while it holds the program's
    // one-copy object a new start would only call it to the front and end.
    const bool earlierCopyGone = waitUntil(
        [] {
            HANDLE held = OpenMutexW(SYNCHRONIZE, FALSE, kOneCopyObject);
            if (held == nullptr) return true;
            CloseHandle(held);
            return false;
        },
        10000);
    if (!earlierCopyGone) note("an earlier copy of the program still holds its one-copy object");
    return startAnotherCopy();
}

bool Folvaric::startAnotherCopy() {
    window_ = nullptr;
    return process_.start(programFile(L"Folvaric.exe"));
}

HWND Folvaric::waitUntilShown(DWORD timeoutMilliseconds) {
    window_ = waitForWindow(
        [this]() -> HWND {
            HWND window = findTopLevel(kMainCaption, process_.id(), L"TForm1");
            return window && IsWindowVisible(window) ? window : nullptr;
        },
        timeoutMilliseconds);
    return window_;
}

HWND Folvaric::list() const {
    return window_ ? findDescendant(window_, L"ListBox") : nullptr;
}

HWND Folvaric::statusLine() const {
    return window_ ? findDescendant(window_, L"msctls_statusbar32") : nullptr;
}

HWND Folvaric::panel() const {
    // The panel is the window that holds the buttons.
    HWND refresh = button(L"刷新");
    return refresh ? GetParent(refresh) : nullptr;
}

HWND Folvaric::button(const std::wstring& caption) const {
    // By its caption, as a user finds it: whatever class draws it.
    return window_ ? findDescendant(window_, nullptr, &caption) : nullptr;
}

std::vector<ListEntry> Folvaric::entries() const {
    std::vector<ListEntry> result;
    HWND box = list();
    if (!box) return result;
    const LRESULT count = sendTimeout(box, LB_GETCOUNT, 0, 0, LB_ERR);
    for (LRESULT i = 0; i < count && count != LB_ERR; ++i) {
        const LRESULT data = sendTimeout(box, LB_GETITEMDATA, static_cast<WPARAM>(i), 0, LB_ERR);
        result.push_back({entryText(box, static_cast<int>(i)), data != LB_ERR && data != 0});
    }
    return result;
}

std::vector<std::wstring> Folvaric::names() const {
    std::vector<std::wstring> result;
    for (const auto& entry : entries()) result.push_back(entry.name);
    return result;
}

int Folvaric::selectedIndex() const {
    HWND box = list();
    const LRESULT selected = box ? sendTimeout(box, LB_GETCURSEL, 0, 0, LB_ERR) : LB_ERR;
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

std::wstring Folvaric::statusText() const {
    HWND status = statusLine();
    return status ? windowTextMessage(status) : std::wstring();
}

std::wstring Folvaric::waitForStatus(const std::wstring& expected, DWORD timeoutMilliseconds) const {
    std::wstring text;
    waitUntil(
        [&] {
            text = statusText();
            return text == expected;
        },
        timeoutMilliseconds);
    return text;
}

bool Folvaric::waitForEntries(const std::function<bool(const std::vector<ListEntry>&)>& condition,
                              DWORD timeoutMilliseconds) const {
    return waitUntil([&] { return condition(entries()); }, timeoutMilliseconds);
}

RECT Folvaric::entryRect(int index) const {
    RECT rect{};
    HWND box = list();
    if (!box) return rect;
    // Worked out from the item height and the first entry in view: both are plain numbers, so
    // nothing depends on how Wine passes a RECT between processes.
    const LRESULT height = sendTimeout(box, LB_GETITEMHEIGHT, 0, 0, LB_ERR);
    const LRESULT top = sendTimeout(box, LB_GETTOPINDEX, 0, 0, LB_ERR);
    if (height == LB_ERR || top == LB_ERR || height <= 0) return rect;
    RECT client{};
    GetClientRect(box, &client);
    const int y = static_cast<int>((index - top) * height);
    if (y < 0 || y + height > client.bottom) return rect;
    POINT origin{0, y};
    ClientToScreen(box, &origin);
    rect = RECT{origin.x, origin.y, origin.x + client.right, origin.y + static_cast<int>(height)};
    return rect;
}

bool Folvaric::selectEntry(int index) {
    const RECT rect = entryRect(index);
    if (rect.right <= rect.left) return false;
    // On the name, well right of the check box.
    if (!clickOn(list(), POINT{rect.left + 60, (rect.top + rect.bottom) / 2})) return false;
    return waitUntil([&] { return selectedIndex() == index; }, 5000);
}

bool Folvaric::toggleTick(int index) {
    const std::vector<ListEntry> before = entries();
    if (index < 0 || index >= static_cast<int>(before.size())) return false;
    const RECT rect = entryRect(index);
    if (rect.right <= rect.left) return false;
    // The check box takes the first 15 pixels of the entry.
    if (!clickOn(list(), POINT{rect.left + 7, (rect.top + rect.bottom) / 2})) return false;
    return waitUntil(
        [&] {
            const auto now = entries();
            return index < static_cast<int>(now.size()) && now[index].ticked != before[index].ticked;
        },
        5000);
}

bool Folvaric::activate() {
    if (!window_) return false;
    const RECT outer = windowRect(window_);
    const POINT caption{outer.left + 100,
                        outer.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    // Under Wine a window can be its thread's active window while another program holds the
    // foreground (after the program gave its list the focus behind a folder window it had just
    // brought forward); clicks on it then do not always win the foreground back. A user clicks
    // again; when that does not help either, the driver hands it the foreground itself, as the
    // task bar would, and says so in the log.
    for (int click = 1; click <= 2; ++click) {
        if (GetForegroundWindow() == window_) return true;
        if (!clickOn(window_, caption)) return false;
        if (waitUntil([&] { return GetForegroundWindow() == window_; }, 2000)) return true;
    }
    note("two clicks on the caption did not make the main window active; setting the foreground");
    SetForegroundWindow(window_);
    return waitUntil([&] { return GetForegroundWindow() == window_; }, 3000);
}

bool Folvaric::pressButton(const std::wstring& caption) {
    HWND target = button(caption);
    // Under Wine a click on an inactive window makes it active only after the X server has
    // answered, which can be after the button has acted; the refresh, which reports on the status
    // line only when it starts in the active window, would then run silently. On Windows the
    // activation always comes first; activating beforehand gives the same order here.
    return target && activate() && clickCentre(target);
}

MessageBoxSeen Folvaric::waitForMessageBox(const std::wstring& caption, DWORD timeoutMilliseconds) const {
    return e2e::waitForMessageBox(process_.id(), caption, timeoutMilliseconds);
}

std::vector<MessageBoxSeen> Folvaric::messageBoxes() const {
    return messageBoxesOf(process_.id());
}

bool Folvaric::closeAndWait(DWORD timeoutMilliseconds) {
    if (!window_ || !PostMessageW(window_, WM_CLOSE, 0, 0)) return false;
    return process_.waitForExit(timeoutMilliseconds);
}

}  // namespace e2e
