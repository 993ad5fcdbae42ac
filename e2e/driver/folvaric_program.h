#pragma once
// The program under test, seen from outside as a user and another program see it: its main
// window, the list (LB_GETTEXT for the names, the item data for the ticks, LB_GETCURSEL for the
// selection), the status line (WM_GETTEXT), the buttons by caption, and its message boxes.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "desktop.h"
#include "message_boxes.h"

namespace e2e {

constexpr wchar_t kMainCaption[] = L"Folvaric2.1";
// The named object the running copy holds, in the session's namespace.
constexpr wchar_t kOneCopyObject[] = L"Local\\Folvaric2.1.OneCopy";
// The first start in a fresh Wine prefix is slow.
constexpr DWORD kStartTimeout = 20000;

struct ListEntry {
    std::wstring name;
    bool ticked = false;
    bool operator==(const ListEntry& other) const { return name == other.name && ticked == other.ticked; }
    bool operator!=(const ListEntry& other) const { return !(*this == other); }
};
std::string describe(const ListEntry& entry);
std::string describe(const std::vector<ListEntry>& entries);
std::string describe(const std::vector<std::wstring>& texts);

class Folvaric {
public:
    // Starts the program once no earlier copy holds the one-copy object any more.
    bool start();
    // Starts it at once, also while another copy runs.
    bool startAnotherCopy();
    // The main window once it is on screen; start-up message boxes may come before it. Null on
    // timeout.
    HWND waitUntilShown(DWORD timeoutMilliseconds = kStartTimeout);
    // start() and waitUntilShown(): the main window, or null when either fails.
    HWND startShown();
    // Opens a folder window for each name (a test folder each), starts the program and waits
    // until it lists that many entries: the main window, or null.
    HWND startListing(std::initializer_list<const wchar_t*> folderNames);

    Process& process() { return process_; }
    DWORD processId() const { return process_.id(); }
    HWND window() const { return window_; }

    HWND list() const;
    HWND statusLine() const;
    HWND panel() const;
    HWND button(const std::wstring& caption) const;  // the child window showing this caption

    std::vector<ListEntry> entries() const;
    std::vector<std::wstring> names() const;
    int selectedIndex() const;  // -1 when none
    std::wstring statusText() const;
    // Waits until the status line reads `expected`; returns what it reads then (for the report).
    std::wstring waitForStatus(const std::wstring& expected, DWORD timeoutMilliseconds = 10000) const;
    bool waitForEntries(const std::function<bool(const std::vector<ListEntry>&)>& condition,
                        DWORD timeoutMilliseconds = 10000) const;

    // The screen rectangle of a list entry; empty when it is not in view.
    RECT entryRect(int index) const;
    // A click on the entry's name selects it; a click on its box flips its tick. Both wait until
    // the list shows the effect.
    bool selectEntry(int index);
    bool toggleTick(int index);
    // Makes the main window the active one with a click on its caption, as a user does before
    // working in a window that lost the foreground; waits until Windows counts it as active.
    bool activate();
    // Clicks a button of the panel (activating the window first when it is not the active one)
    // and returns at once.
    bool pressButton(const std::wstring& caption);

    // Waits for a message box of the program with this caption.
    MessageBoxSeen waitForMessageBox(const std::wstring& caption, DWORD timeoutMilliseconds = 10000) const;
    std::vector<MessageBoxSeen> messageBoxes() const;

    // Asks the main window to close (as its close box does) and waits for the process to end.
    bool closeAndWait(DWORD timeoutMilliseconds = 10000);

private:
    Process process_;
    HWND window_ = nullptr;
};

}  // namespace e2e
