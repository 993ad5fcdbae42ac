#pragma once
// The window table: one row per listed folder window, row k being entry k of the list.
#include <string>
#include <vector>

#include "platform/types.h"

namespace folvaric {

// The list control holds at most this many entries, and so does the table.
constexpr int kMaxRows = 3000;

// A folder as the program knows it: what the list shows, where it is, and the window
// that shows it. Everything that belongs to one entry travels in one value.
struct FolderRow {
    std::string name;                   // display name, as the list shows it
    std::string path;                   // the folder's path; empty when it could not be read
    platform::WindowHandle window = 0;  // 0 for a folder without a window
    // The folders of the window's other tabs (Windows 11), in the same form as the path.
    std::vector<std::string> otherTabs = {};
    // The path as Windows compares paths, and the path it was worked out for: a refresh
    // compares each row's path several times. Read it through pathKeyOf, which works it
    // out again whenever `path` has changed since. Not part of the row's value.
    mutable std::string pathKey = {};
    mutable std::string keyedPath = {};

    bool operator==(const FolderRow& o) const {
        return name == o.name && path == o.path && window == o.window && otherTabs == o.otherTabs;
    }
};

// The row's path as Windows compares paths (text::folderPathKey), worked out once per path.
const std::string& pathKeyOf(const FolderRow& row);

// The name a folder of another tab goes by: the last component of its path, or the
// whole path for a drive root or the computer view, as Explorer titles its window.
std::string tabFolderName(const std::string& path);

// Rows in list order, never more than kMaxRows: append refuses a row past the limit, so
// callers decide how to tell the user instead of writing past the end.
class FolderTable {
public:
    int size() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    bool full() const { return size() >= kMaxRows; }
    bool contains(int row) const { return row >= 0 && row < size(); }

    const FolderRow& operator[](int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    FolderRow& operator[](int row) { return rows_.at(static_cast<std::size_t>(row)); }
    // The row, or an empty one (no name, path or window) for an index the table does not hold.
    FolderRow rowOrEmpty(int row) const { return contains(row) ? (*this)[row] : FolderRow{}; }

    // False, and nothing added, when the table is full.
    bool append(FolderRow row);
    void clear() { rows_.clear(); }
    // Room for kMaxRows rows: from then on no append moves the rows already held.
    void reserveAll() { rows_.reserve(static_cast<std::size_t>(kMaxRows)); }
    // Keeps the first `rows` rows.
    void truncate(int rows);
    // Removes the row; the rows after it move up by one.
    void erase(int row);
    // Takes the row out and puts it back at `to`; the rows between shift by one.
    void move(int from, int to);

    std::vector<FolderRow>::const_iterator begin() const { return rows_.begin(); }
    std::vector<FolderRow>::const_iterator end() const { return rows_.end(); }

private:
    std::vector<FolderRow> rows_;
};

}  // namespace folvaric
