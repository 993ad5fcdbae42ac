#pragma once
// Folder-set files: for each protected folder, its display name on one line and
// its full path on the next, every line ending in CR LF.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace folvaric {

// The loader keeps at most this many entries, the rows the window table can hold.
constexpr int kMaxSetEntries = 3000;
// 3000 entries of two long lines are far below this; a larger file is not a folder set.
constexpr std::size_t kMaxFolderSetBytes = 16 * 1024 * 1024;

struct FolderSetEntry {
    std::string name;
    std::string path;
};

std::string formatFolderSet(const std::vector<FolderSetEntry>& entries);

struct LoadedFolderSet {
    std::vector<FolderSetEntry> accepted;  // texts cut to 255 bytes
    int refused = 0;
    // The refused entries that are well formed but whose folder is missing now (a drive or
    // share not mounted yet): not to be re-opened, but not to be forgotten either.
    std::vector<FolderSetEntry> absent;
};

// Reads the pairs of `bytes` and keeps the entries that can be re-opened: a name,
// and a path that is the computer folder or an existing folder given with a drive
// ("X:\..."), up to kMaxSetEntries of them. `isFolder` tells whether a folder exists.
LoadedFolderSet readFolderSet(const std::string& bytes,
                              const std::function<bool(const std::string&)>& isFolder);

}  // namespace folvaric
