#pragma once
// The words of the window tracking: what it shows the user and the fixed texts
// it looks for in Explorer's windows. All GBK, converted once on first use.
#include <string>

namespace folvaric::tracking_text {

// Message boxes.
const std::string& errorCaption();
const std::string& tooManyWindows();
const std::string& searchFailedOnce();
std::string searchFailed(const std::string& name, const std::string& path);

// Address texts of the computer view on XP and on Vista/7.
const std::string& myComputerXp();
const std::string& computerWin7();
bool isComputerName(const std::string& text);

// Why a path could not be read, followed by the offending text.
const std::string& xpAddressUnreadable();
const std::string& win7AddressUnreadable();

const std::string& vistaOrWin7();
// The label Vista/7 puts before the path in the address toolbar.
const std::string& addressPrefix();

// Status line of the refresh.
const std::string& refreshStarted();
const std::string& noExplorerWindow();
const std::string& lookingForLostFolders();
const std::string& folderStillOpen();
const std::string& folderVanished();
const std::string& rebirthStarted();
const std::string& sizingStarted();
const std::string& cannotSize();
const std::string& nothingProtected();
const std::string& nothingLost();
const std::string& someNotFound();
std::string rebirthDone(int reborn);
const std::string& protectionBroken();

}  // namespace folvaric::tracking_text
