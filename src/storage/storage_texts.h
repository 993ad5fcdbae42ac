#pragma once
// The texts the settings and folder-set commands show or write, in GBK.
#include <string>
#include <vector>

namespace folvaric {
namespace storage_text {

const std::string& errorCaption();        // "出错"
const std::string& fileMissingForRead();  // followed by the path
const std::string& fileHasBadData();      // followed by the path
const std::string& fileMissingForSave();  // followed by the path
const std::string& settingsTooLarge();    // followed by the path
const std::string& folderSetTooLarge();   // followed by the path
const std::string& folderSetEmpty();
const std::string& folderSetWaitsForRefresh();
// Folders a save leaves out, one name per line after this text, and why.
std::string foldersNotSaved(const std::vector<std::string>& names);

const std::string& defaultFontName();  // "宋体"
const std::string& defaultIconName();  // "默认.ico", delivered in the icon folder
const std::string& iconFolder();       // "\图标\", between the program folder and the icon name
const std::string& myComputer();       // the computer folder on XP
const std::string& computer();         // ... and on Vista and 7

}  // namespace storage_text
}  // namespace folvaric
