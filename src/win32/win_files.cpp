#include "win32/win_files.h"

#include <climits>

#include "win32/system_error_text.h"
#include "win32/wide_text.h"
#include "win32/win_handles.h"

namespace win {
namespace {

DWORD attributesOf(const std::string& path) {
    if (path.empty()) return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(wide(path).c_str());
}

[[noreturn]] void throwLastError() {
    throw platform::FileError(systemErrorText(GetLastError()));
}

// ReadFile and WriteFile take 32-bit counts.
DWORD chunkOf(std::size_t remaining) {
    constexpr std::size_t kChunk = 1u << 20;
    return static_cast<DWORD>(remaining < kChunk ? remaining : kChunk);
}

}  // namespace

bool WinFiles::directoryExists(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WinFiles::fileExists(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string WinFiles::canonicalFolderPath(const std::string& path) {
    if (path.empty()) return std::string();
    // The full path resolves a relative part, "." and ".."; the length of a folder
    // path stays within MAX_PATH, so a larger buffer only serves the refusal below.
    wchar_t full[MAX_PATH * 2];
    const DWORD fullLength = GetFullPathNameW(wide(path).c_str(), MAX_PATH * 2, full, nullptr);
    if (fullLength == 0 || fullLength >= MAX_PATH) return std::string();
    std::wstring given(full, fullLength);
    if (given.size() < 3 || given[1] != L':' || given[2] != L'\\') return std::string();
    const DWORD attributes = GetFileAttributesW(given.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return std::string();

    // Each component as the directory lists it: the long name in its own case. A short
    // name (PROGRA~1) is found under its long name, the way GetLongPathNameW finds it.
    // Explorer shows the drive letter in upper case.
    const wchar_t drive =
        given[0] >= L'a' && given[0] <= L'z' ? static_cast<wchar_t>(given[0] - L'a' + L'A') : given[0];
    std::wstring result{drive, L':', L'\\'};
    std::size_t start = 3;
    while (start < given.size()) {
        std::size_t end = given.find(L'\\', start);
        if (end == std::wstring::npos) end = given.size();
        if (end > start) {
            const std::wstring parent = result.back() == L'\\' ? result : result + L'\\';
            WIN32_FIND_DATAW found{};
            FindHandle search(FindFirstFileW((parent + given.substr(start, end - start)).c_str(), &found));
            if (!search) return std::string();
            result = parent + found.cFileName;
        }
        start = end + 1;
    }
    return gbk(result);
}

platform::ReadResult WinFiles::readFile(const std::string& path, std::size_t maxBytes) {
    platform::ReadResult result;
    FileHandle file(CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        result.status = missing ? platform::ReadStatus::Missing : platform::ReadStatus::Failed;
        return result;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) {
        result.status = platform::ReadStatus::Failed;
        return result;
    }
    // The limit is checked before anything is read, so a huge file costs nothing.
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        result.status = platform::ReadStatus::TooLarge;
        return result;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), &bytes[done], chunkOf(bytes.size() - done), &read, nullptr)) {
            result.status = platform::ReadStatus::Failed;
            return result;
        }
        if (read == 0) break;  // the file shrank meanwhile
        done += read;
    }
    bytes.resize(done);
    result.status = platform::ReadStatus::Ok;
    result.bytes = std::move(bytes);
    return result;
}

void WinFiles::writeFile(const std::string& path, const std::string& bytes) {
    FileHandle file(CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throwLastError();
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data() + done, chunkOf(bytes.size() - done), &written, nullptr)) {
            throwLastError();
        }
        if (written == 0) throw platform::FileError(systemErrorText(ERROR_DISK_FULL));
        done += written;
    }
    // A full disk can show up only when the data leaves the cache.
    if (!FlushFileBuffers(file.get())) throwLastError();
    const HANDLE h = file.release();
    if (!CloseHandle(h)) throwLastError();
}

void WinFiles::replaceFile(const std::string& from, const std::string& to) {
    if (!MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        throwLastError();
    }
}

bool WinFiles::removeFile(const std::string& path) {
    return DeleteFileW(wide(path).c_str()) != FALSE;
}

}  // namespace win
