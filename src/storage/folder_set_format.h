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
    std::vector<FolderSetEntry> accepted;  // whole names; paths as the disk spells them
    int refused = 0;
    // The refused entries that are well formed but whose folder is missing now (a drive or
    // share not mounted yet): not to be re-opened, but not to be forgotten either.
    std::vector<FolderSetEntry> absent;
};

// The text of a folder-set file in GBK. Files are written in GBK, but Notepad saves UTF-8
// by default since Windows 10: a file that starts with the UTF-8 byte-order mark is
// UTF-8, and so is one that holds non-ASCII bytes and is valid UTF-8 throughout (GBK text
// of any length practically never is). Characters GBK lacks become '?'.
std::string folderSetTextAsGbk(const std::string& bytes);

// Reads the pairs of `bytes` and keeps the entries that can be re-opened: a name, and
// a path that is the computer folder or an absolute drive path ("X:\...", no "." or
// "..", within the length Windows allows) of an existing folder, up to kMaxSetEntries
// of them. `canonicalFolder` gives the folder as the disk spells it, empty when there
// is none; the entry keeps that spelling, so it matches what Explorer shows.
LoadedFolderSet readFolderSet(const std::string& bytes,
                              const std::function<std::string(const std::string&)>& canonicalFolder);
// The same, for a disk whose paths need no canonical spelling: `isFolder` tells whether a folder exists.
LoadedFolderSet readFolderSet(const std::string& bytes, const std::function<bool(const std::string&)>& isFolder);

}  // namespace folvaric
