#include "state/folder_table.h"

#include "text/folder_path.h"
#include "text/gbk_text.h"

#include <algorithm>
#include <utility>

namespace folvaric {

bool FolderTable::append(FolderRow row) {
    if (full()) return false;
    rows_.push_back(std::move(row));
    return true;
}

void FolderTable::truncate(int rows) {
    if (rows >= 0 && rows < size()) rows_.resize(static_cast<std::size_t>(rows));
}

void FolderTable::erase(int row) {
    if (contains(row)) rows_.erase(rows_.begin() + row);
}

void FolderTable::move(int from, int to) {
    if (!contains(from) || !contains(to) || from == to) return;
    const auto first = rows_.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else {
        std::rotate(first + to, first + from, first + from + 1);
    }
}

const std::string& pathKeyOf(const FolderRow& row) {
    if (row.pathKey.empty() || row.keyedPath != row.path) {
        row.pathKey = text::folderPathKey(row.path);
        row.keyedPath = row.path;
    }
    return row.pathKey;
}

std::string tabFolderName(const std::string& path) {
    std::string name = text::lastPathComponent(path);
    return name.empty() ? path : name;
}

}  // namespace folvaric
