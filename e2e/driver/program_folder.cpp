#include "program_folder.h"

#include <windows.h>

#include "desktop.h"

namespace e2e {
namespace {

constexpr UINT kGbk = 936;
const std::string kCrLf = "\r\n";

std::string deliveredSettings;
std::string deliveredDefaultSet;
bool delivered = false;

std::string numberLine(long value) {
    return std::to_string(value) + kCrLf;
}

std::string flagLine(bool value) {
    return std::string(value ? "1" : "0") + kCrLf;
}

}  // namespace

std::string toGbk(const std::wstring& text) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr, nullptr);
    return out;
}

std::wstring fromGbk(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int size = MultiByteToWideChar(kGbk, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(kGbk, 0, bytes.data(), static_cast<int>(bytes.size()), &out[0], size);
    return out;
}

std::wstring settingsFile() {
    return programFile(L"set");
}

std::wstring defaultSetFile() {
    return programFile(L"文件夹集合保存目录\\默认.txt");
}

std::string settingsBytes(const Settings& s) {
    return numberLine(s.listFontSize) + toGbk(s.listFontName) + kCrLf + numberLine(s.listFontColour) +
           flagLine(s.tray) + toGbk(s.iconFileName) + kCrLf + flagLine(s.scale) + flagLine(s.autoRefresh) +
           flagLine(s.loadLastSet);
}

bool writeSettings(const Settings& settings) {
    return writeFileBytes(settingsFile(), settingsBytes(settings));
}

std::vector<std::wstring> settingsLines() {
    const std::wstring text = fromGbk(readFileBytes(settingsFile()));
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string folderSetBytes(const std::vector<FolderSetEntry>& entries) {
    std::string out;
    for (const auto& entry : entries) out += toGbk(entry.name) + kCrLf + toGbk(entry.path) + kCrLf;
    return out;
}

bool writeDefaultSet(const std::vector<FolderSetEntry>& entries) {
    CreateDirectoryW(programFile(L"文件夹集合保存目录").c_str(), nullptr);
    return writeFileBytes(defaultSetFile(), folderSetBytes(entries));
}

void rememberDeliveredFiles() {
    if (delivered) return;
    delivered = true;
    deliveredSettings = readFileBytes(settingsFile());
    deliveredDefaultSet = readFileBytes(defaultSetFile());
}

const std::string& deliveredSettingsBytes() {
    rememberDeliveredFiles();
    return deliveredSettings;
}

const std::string& deliveredDefaultSetBytes() {
    rememberDeliveredFiles();
    return deliveredDefaultSet;
}

std::wstring testFolder(const std::wstring& name) {
    const std::wstring parent = programFile(L"测试文件夹");
    CreateDirectoryW(parent.c_str(), nullptr);
    const std::wstring path = parent + L"\\" + name;
    CreateDirectoryW(path.c_str(), nullptr);
    wchar_t spelled[MAX_PATH * 2] = {};
    const DWORD length = GetLongPathNameW(path.c_str(), spelled, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(spelled, length) : path;
}

}  // namespace e2e
