#pragma once
// The main form: its controls and menus as models, and the program-wide state
// it owns for the life of the process (window table, refresh working lists,
// run-state flags, program-folder paths, options). The handlers of every
// subsystem work on this one object; the Win32 view mirrors its controls.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "controls/check_list_box.h"
#include "controls/chrome_button.h"
#include "controls/gradient_label.h"
#include "controls/simple_controls.h"
#include "platform/platform.h"
#include "state/folder_table.h"
#include "state/main_menus.h"

namespace folvaric {

using platform::WindowHandle;

// Why the path of a folder window could not be read from its address control.
enum class AddressFailure {
    None = 0,
    XpAddressEdit = 1,   // XP's address box shows no drive path (full path switched off)
    AddressToolbar = 2,  // the Vista/7 address toolbar names no folder on a drive
};

// What a refresh found, kept for the report the program gives once it is shown.
struct RefreshOutcome {
    int protectedFolders = 0;            // entries of the protected snapshot
    std::vector<FolderRow> lostFolders;  // re-opened; window 0 where none was found
    int reborn = 0;                      // lost folders found again and sized
    bool ran = false;
};

// The generations of Windows whose folder windows differ where the program looks:
// the address control (XP: edit box; Vista to 10: address toolbar) and, from
// Windows 11, a header of its own with folders as tabs of one window.
enum class WindowsGeneration { Older, Xp, VistaOr7, Windows8, Windows10, Windows11 };

// The tray icon as the main form sees it; the Windows side keeps the real icon
// in step with these values.
struct TrayIconModel {
    bool visible = true;  // the icon is in the notification area
    bool hide = true;     // hide the taskbar button while minimised
    std::string hint;
    std::string iconFile;  // taken from the application icon by TakeAppIcon; empty = built-in
    std::function<void()> onChanged;
    void changed() {
        if (onChanged) onChanged();
    }
};

struct Form1 {
    explicit Form1(platform::Platform p);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    platform::Platform p;

    // --- the form itself ---
    std::string caption;
    controls::Bounds bounds{0, 0, 574, 483};  // outer size, borders, caption and menu bar included
    std::uint32_t color = 0;
    platform::FontChoice font;
    controls::FocusOwner focus;
    bool maximised = false;

    // --- controls ---
    controls::Panel ToolBar1{"ToolBar1"};
    controls::GradientLabel GradientLabel1{"GradientLabel1"};
    controls::CheckListBox CheckListBox1{"CheckListBox1"};
    controls::Panel Panel1{"Panel1"};
    controls::ChromeBitBtn Button4{"Button4"};
    controls::ChromeBitBtn Button1{"Button1"};
    controls::ChromeBitBtn Button2{"Button2"};
    controls::ChromeBitBtn Button3{"Button3"};
    controls::StatusBar StatusBar1{"StatusBar1"};
    TrayIconModel TrayIcon1;

    // --- menus ---
    controls::Menu MainMenu1{"MainMenu1"};
    controls::Menu PopupMenu1{"PopupMenu1"};  // the list's context menu
    controls::Menu PopupMenu2{"PopupMenu2"};  // the tray menu
    FileMenu fileMenu;
    EditMenu editMenu;
    OtherMenu otherMenu;
    SettingsMenu settingsMenu;
    HelpMenu helpMenu;
    ListMenu listMenu;
    TrayMenu trayMenu;
    // The separator lines ("-") of the three menus; a deque keeps their addresses fixed.
    std::deque<controls::MenuItem> menuSeparators;
    // MenuPainter1 draws the menus once the form has been shown.
    bool menuPainterActive = false;
    // Every showing asks the view to paint the menu bar in the toolbar's colour anew.
    int menuBarColourRequests = 0;
    std::function<void()> onMenuBarColour;

    // --- window table: row k is item k of CheckListBox1 ---
    FolderTable table;

    // --- what the last refresh did, for the start-up report ---
    RefreshOutcome lastRefresh;
    // The protected folders of the refresh that is running, null when none runs: a save
    // meanwhile (the exit, a log-off) must keep the folders not yet listed again.
    const std::vector<FolderRow>* runningRefreshFolders = nullptr;
    // Room that each refresh's protected snapshot takes over and hands back empty: the
    // refresh runs whenever the program is restored, and need not ask for it every time.
    std::vector<FolderRow> snapshotRoom;

    // --- folder sets ---
    // Entries of a loaded set whose folders were missing at the time (a drive not mounted
    // yet): every save of a set writes them back after the ticked rows, until a later load
    // finds their folders.
    std::vector<FolderRow> absentSetFolders;
    // The default set existed at start but could not be read (held open by another program,
    // say): no exit or log-off save may replace it until a load has read it. Empty when none.
    std::string unreadSetFile;
    // From FormCreate until the first showing has loaded the default set: the ticks do not
    // stand for the user's set yet, so a save at log-off would empty it.
    bool startupSetLoadPending = false;

    // --- path-resolution state ---
    bool pathsResolvable = true;
    AddressFailure pathFailReason = AddressFailure::None;
    std::string pathFailText;
    std::string osGeneration;
    WindowsGeneration windowsGeneration = WindowsGeneration::VistaOr7;

    // --- run-state flags ---
    bool refreshBusy = false;
    WindowHandle refreshActiveWindow = 0;
    bool noExplorerWindows = false;
    bool formShown = false;
    bool startupDone = false;

    // --- start-up ---
    bool startupScaling = false;
    bool firstShow = true;
    std::int32_t scaleOption = -1;
    int rightMargin = 0;
    int bottomMargin = 0;
    int statusGap = 0;

    // --- program-folder paths ---
    std::string appDir;
    std::string settingsFilePath;
    std::string folderSetDir;
    std::string defaultSetFile;
    std::string folderSetFile;
    std::string soundDir;

    // --- marks and ordering ---
    bool shiftRangeArmed = false;
    int rangeAnchor = 0;
    int dragFromRow = -1;
    int dragToRow = -1;

    // --- appearance options ---
    std::int32_t trayOption = -1;
    std::string listFontName;
    int listFontSize = 16;
    std::uint32_t listFontColor = 0;
    std::string iconFileName;
    // The icon of the application (taskbar button) and of the main form (title bar), loaded
    // from this file (full path); empty = the built-in icon.
    std::string appIconFile;
    // SaveDialog1 opens with the file name chosen last.
    std::string saveDialogFileName;

    // --- the other windows of the program, shown through the main form ---
    std::function<void()> showAboutBox;     // TAboutBox, modeless
    std::function<void()> showDualWindow;   // TForm3, modeless
    std::function<void()> closeMainWindow;  // WM_CLOSE to the main window (the view sends it)
    std::function<void()> endApplication;   // the close has run: destroy the window, leave the loop

    // Status line behind the gate: form shown and start-up done.
    bool statusGateOpen() const { return formShown && startupDone; }
    // ...and, for most refresh messages, the program was active when it began.
    bool refreshGateOpen() const { return statusGateOpen() && p.app.mainWindow() == refreshActiveWindow; }
    // Returns the list's focus after a command.
    void focusList() { CheckListBox1.setFocus(); }
};

}  // namespace folvaric
