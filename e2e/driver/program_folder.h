#pragma once
// The data files of the scratch program folder, written and read as the program keeps them: the
// settings file `set` (eight lines) and the default folder set `文件夹集合保存目录\默认.txt`
// (name and path line pairs), GBK text with CR LF line ends. Also the real folders the tests
// open in folder windows.
#include <string>
#include <vector>

namespace e2e {

std::string toGbk(const std::wstring& text);
std::wstring fromGbk(const std::string& bytes);

std::wstring settingsFile();    // programDir()\set
std::wstring defaultSetFile();  // programDir()\文件夹集合保存目录\默认.txt

// The options the settings file holds, as the program's menu shows them.
struct Settings {
    int listFontSize = 16;
    std::wstring listFontName = L"宋体";
    long listFontColour = -16777208;  // the system window-text colour
    bool tray = true;                 // 程序是否显示在系统托盘上
    std::wstring iconFileName = L"默认.ico";
    bool scale = true;         // 控件随窗体缩放
    bool autoRefresh = false;  // 自动刷新
    bool loadLastSet = true;   // 启动时自动调入上次退出记录
};

std::string settingsBytes(const Settings& settings);
bool writeSettings(const Settings& settings);
// The lines of the settings file as they are now (GBK decoded, without line ends); empty when
// it cannot be read.
std::vector<std::wstring> settingsLines();

struct FolderSetEntry {
    std::wstring name;
    std::wstring path;
    bool operator==(const FolderSetEntry& other) const { return name == other.name && path == other.path; }
};

std::string folderSetBytes(const std::vector<FolderSetEntry>& entries);
bool writeDefaultSet(const std::vector<FolderSetEntry>& entries);

// The program folder's `set` and `默认.txt` as delivered (dist/, or the runner's defaults), read
// once before any test changes them; an empty string for a file that was missing.
const std::string& deliveredSettingsBytes();
const std::string& deliveredDefaultSetBytes();
void rememberDeliveredFiles();

// A real folder for folder windows to show, made on first use:
// programDir()\测试文件夹\<name>. Returns its full path as the file system spells it.
std::wstring testFolder(const std::wstring& name);

}  // namespace e2e
