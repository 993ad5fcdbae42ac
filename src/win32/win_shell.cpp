#include "win32/win_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "text/gbk_text.h"
#include "win32/wide_text.h"

namespace win {
namespace {

// A bare "Explorer.exe" is looked up the way Windows starts programs: the program's own folder
// first, then the system folders and the path. ShellExecute alone may go straight to the
// shell's registered Explorer and never find a copy beside the program.
std::wstring resolvedFile(const std::string& file) {
    if (text::asciiLower(file) != "explorer.exe") return wide(file);
    wchar_t found[MAX_PATH];
    const DWORD length = SearchPathW(nullptr, L"explorer.exe", nullptr, MAX_PATH, found, nullptr);
    if (length == 0 || length >= MAX_PATH) return wide(file);
    return std::wstring(found, length);
}

const wchar_t* orNull(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }

}  // namespace

int WinShell::execute(platform::WindowHandle owner, const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::string& directory, platform::ShowCommand show) {
    const std::wstring wideVerb = wide(verb);
    const std::wstring wideFile = resolvedFile(file);
    const std::wstring wideParameters = wide(parameters);
    const std::wstring wideDirectory = wide(directory);
    const HINSTANCE result = ShellExecuteW(hwndOf(owner), orNull(wideVerb), wideFile.c_str(), orNull(wideParameters),
                                           orNull(wideDirectory), static_cast<int>(show));
    return static_cast<int>(reinterpret_cast<std::intptr_t>(result));
}

}  // namespace win
