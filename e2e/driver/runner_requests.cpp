#include "runner_requests.h"

#include <cwchar>

#include "desktop.h"

namespace e2e {

bool runnerPresent() {
    wchar_t flag[8] = {};
    return GetEnvironmentVariableW(L"FOLVARIC_E2E_RUNNER", flag, 8) > 0 && flag[0] == L'1';
}

bool askRunner(const std::wstring& kind, const std::string& line, DWORD timeoutMilliseconds) {
    if (!runnerPresent()) return false;
    // The runner serves requests in name order; the sequence keeps them in the order asked.
    static unsigned sequence = 0;
    wchar_t number[16] = {};
    std::swprintf(number, 16, L"%06u", ++sequence);
    const std::wstring request = programFile(kind + L"-" + number + L".request");
    // Written under another name first: the runner must never read half a request.
    const std::wstring partial = request + L".part";
    if (!writeFileBytes(partial, line + "\n") ||
        !MoveFileExW(partial.c_str(), request.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(partial.c_str());
        return false;
    }
    if (waitUntil([&] { return !fileExists(request); }, timeoutMilliseconds)) return true;
    DeleteFileW(request.c_str());
    return false;
}

}  // namespace e2e
