// Reading the folder path out of an Explorer window's own address control: the
// edit box of XP's address bar, or the toolbar of Vista/7's breadcrumb bar.
#include "tracking/address_scan.h"

#include <utility>

#include "text/gbk_codec.h"
#include "text/gbk_text.h"
#include "tracking/discovery.h"
#include "tracking/texts.h"

namespace folvaric {
namespace {

constexpr int kClassNameBuffer = 254;
constexpr int kChildTitleBuffer = 500;
// MAX_PATH: the longest folder path Explorer shows, and its terminator; a shorter buffer
// would cut a long path, and a path cut at a backslash names its parent folder.
constexpr int kAddressEditBuffer = 260;

// A drive path has its backslash as the third character: "D:\".
bool isDrivePath(const std::string& s) {
    return s.size() >= 3 && text::charLengthAt(s, 0) == 1 && text::charLengthAt(s, 1) == 1 && s[2] == '\\';
}

// XP's edit box may show a path, or only a name when the full path is switched
// off; other edit boxes of the window (the search box) show other things. The
// text is taken when it fits the window's display name.
void readAddressEdit(Form1& f, WindowHandle child, const std::string& rowName, AddressReading& reading) {
    std::string address = f.p.desktop.windowText(child, kAddressEditBuffer);
    if (address.empty()) return;
    if (!isReadableAddress(f, address)) {
        reading.failure = AddressFailure::XpAddressEdit;
        reading.failText = tracking_text::xpAddressUnreadable() + address;
        return;
    }
    std::string component = text::lastPathComponent(address);
    if (component.empty()) component = address;
    if (component == rowName || address == component || address == rowName) reading.path = std::move(address);
}

// The toolbar reads "<label>: <path>" ("地址: D:\Data" on a Chinese system). The
// cut is made in UTF-16 so that a double-byte character is never split.
void readAddressToolbar(Form1& f, const std::string& toolbarText, AddressReading& reading) {
    const std::u16string wide = text::gbkToUtf16(toolbarText);
    const std::size_t colon = wide.find(u':');
    if (colon == std::u16string::npos) return;
    const std::size_t start = colon + 2;
    std::string address = start < wide.size() ? text::utf16ToGbk(wide.substr(start)) : std::string();
    if (isReadableAddress(f, address)) {
        reading.path = std::move(address);
    } else {
        reading.failure = AddressFailure::AddressToolbar;
        reading.failText = tracking_text::win7AddressUnreadable() + toolbarText;
    }
}

// Looks at one descendant of the window; the scan goes on through all of them.
void readAddressChild(Form1& f, WindowHandle child, const std::string& rowName, AddressReading& reading) {
    platform::Desktop& desktop = f.p.desktop;
    std::string className = desktop.className(child, kClassNameBuffer);
    // Only two class names matter; others need no lower-casing.
    if (className.size() != 4 && className.size() != 15) return;
    className = text::asciiLower(className);
    if (className == "edit" && reading.path.empty()) {
        readAddressEdit(f, child, rowName, reading);
    } else if (className == "toolbarwindow32" && reading.path.empty()) {
        // Only the toolbar's title is of use; reading another process's window text is not free.
        readAddressToolbar(f, desktop.title(child, kChildTitleBuffer), reading);
    }
}

}  // namespace

bool isReadableAddress(Form1& f, const std::string& address) {
    if (tracking_text::isComputerName(address)) return true;
    return isDrivePath(address) && f.p.files.directoryExists(address);
}

AddressReading readWindowAddress(Form1& f, WindowHandle window, const std::string& rowName) {
    AddressReading reading;
    f.p.desktop.forEachDescendant(window, [&](WindowHandle child) {
        readAddressChild(f, child, rowName, reading);
        return true;
    });
    return reading;
}

void rescanSelectedAddress(Form1& f) {
    // The hidden menu item reads the selected entry's window again, as the walk would.
    const int selected = f.CheckListBox1.itemIndex();
    if (!f.table.contains(selected)) return;
    const FolderRow& row = f.table[selected];
    const AddressReading reading = readWindowAddress(f, row.window, row.name);
    if (reading.failure != AddressFailure::None) {
        f.pathFailReason = reading.failure;
        f.pathFailText = reading.failText;
    }
}

}  // namespace folvaric
