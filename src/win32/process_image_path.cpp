#include "win32/process_image_path.h"

#include <windows.h>
#include <tlhelp32.h>

#include "win32/win_handles.h"

namespace win {
namespace {

// Not in the XP headers the program is built against; present from Vista on.
constexpr DWORD kQueryLimitedInformation = 0x1000;
using QueryFullProcessImageNameFn = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);

QueryFullProcessImageNameFn queryFullProcessImageName() {
    static const QueryFullProcessImageNameFn fn = [] {
        HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        FARPROC proc = kernel != nullptr ? GetProcAddress(kernel, "QueryFullProcessImageNameW") : nullptr;
        return reinterpret_cast<QueryFullProcessImageNameFn>(reinterpret_cast<void*>(proc));
    }();
    return fn;
}

// Vista and later: one cheap call that also answers for a 64-bit process asked from a 32-bit
// one, which the module snapshot cannot (a 32-bit program would never see the 64-bit
// explorer.exe of a 64-bit Windows).
std::wstring pathByQuery(QueryFullProcessImageNameFn query, DWORD processId) {
    KernelHandle process(OpenProcess(kQueryLimitedInformation, FALSE, processId));
    if (!process) return std::wstring();
    wchar_t buffer[1024];
    DWORD size = ARRAYSIZE(buffer);
    if (!query(process.get(), 0, buffer, &size)) return std::wstring();
    return std::wstring(buffer, size);
}

// Windows XP: the first module of the process is its executable.
std::wstring pathBySnapshot(DWORD processId) {
    SnapshotHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    if (!snapshot) return std::wstring();
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    if (!Module32FirstW(snapshot.get(), &module)) return std::wstring();
    module.szExePath[ARRAYSIZE(module.szExePath) - 1] = L'\0';
    return std::wstring(module.szExePath);
}

}  // namespace

std::wstring processImagePath(DWORD processId) {
    if (processId == 0) return std::wstring();
    if (QueryFullProcessImageNameFn query = queryFullProcessImageName()) return pathByQuery(query, processId);
    return pathBySnapshot(processId);
}

}  // namespace win
