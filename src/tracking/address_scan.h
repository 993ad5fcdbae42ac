#pragma once
#include <string>

#include "state/form1.h"

namespace folvaric {

// What the address scan of one folder window found.
struct AddressReading {
    std::string path;  // empty when no address control named a folder
    AddressFailure failure = AddressFailure::None;
    std::string failText;  // the unreadable address, behind the words that say which control it was
};

// An address text names a folder the program can reopen: an existing folder on
// a drive (D:\ or D:\Data), or the computer view.
bool isReadableAddress(Form1& f, const std::string& address);

// Reads the folder path of an Explorer window from its address control: XP's
// address edit box (taken when it fits the window's display name `rowName`) or the
// Vista/7 address toolbar.
AddressReading readWindowAddress(Form1& f, WindowHandle window, const std::string& rowName);

}  // namespace folvaric
