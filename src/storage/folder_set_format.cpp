#include "storage/folder_set_format.h"

#include "storage/line_reader.h"
#include "storage/settings_format.h"
#include "storage/storage_texts.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

bool isComputerFolder(const std::string& path) {
    return path == storage_text::myComputer() || path == storage_text::computer();
}

bool hasDriveAndBackslash(const std::string& path) {
    return path.size() > 2 && path[2] == '\\';
}

}  // namespace

std::string formatFolderSet(const std::vector<FolderSetEntry>& entries) {
    std::string out;
    for (const FolderSetEntry& e : entries) {
        out += asOneLine(e.name) + "\r\n";
        out += asOneLine(e.path) + "\r\n";
    }
    return out;
}

LoadedFolderSet readFolderSet(const std::string& bytes,
                              const std::function<bool(const std::string&)>& isFolder) {
    LoadedFolderSet set;
    LineReader in(bytes);
    while (!in.atEnd()) {
        const std::string name = in.readLine();
        const std::string path = in.readLine();
        const bool wellFormed = !name.empty() && (isComputerFolder(path) || hasDriveAndBackslash(path));
        const bool present = wellFormed && (isComputerFolder(path) || isFolder(path));
        const bool room = static_cast<int>(set.accepted.size()) < kMaxSetEntries;
        if (present && room) {
            set.accepted.push_back({text::cut255(name), text::cut255(path)});
            continue;
        }
        ++set.refused;
        if (wellFormed && !present && static_cast<int>(set.absent.size()) < kMaxSetEntries) {
            set.absent.push_back({text::cut255(name), text::cut255(path)});
        }
    }
    return set;
}

}  // namespace folvaric
