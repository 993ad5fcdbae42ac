#pragma once
// In-memory folders and files with GBK names, and the faults a real disk has:
// missing files, read-only folders, a disk that fills up part-way through a write.
// Paths are resolved as Windows resolves them: against a current folder when they
// are relative, "." and ".." taken out, names compared without case, and a folder
// whose long name is no 8.3 name found under its short name (PROGRA~1) as well.
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>

#include "platform/files.h"

namespace sim {

class SimFileSystem : public platform::Files {
public:
    // --- set-up and inspection ---
    void addFolder(const std::string& path);  // with every missing parent, spelled as given
    // The folder relative paths are resolved against (the process's current folder).
    void setCurrentFolder(const std::string& path) { currentFolder_ = path; }
    // The 8.3 name the disk gave a folder ("D:\\LONGFO~1\\X" style paths use it); empty when
    // its own name is short enough to need none.
    std::string shortName(const std::string& path) const;
    void addFile(const std::string& path, const std::string& bytes);  // creates the folder too
    void removeFolder(const std::string& path);                       // with everything inside
    std::optional<std::string> contents(const std::string& path) const;
    std::size_t fileCount() const { return files_.size(); }
    // Faults.
    void setReadOnlyFolder(const std::string& path, bool readOnly = true);
    // The next writes may store this many bytes in all; the write that passes it
    // stores what fits and fails. Negative: no limit.
    void setFreeBytes(long long bytes) { freeBytes_ = bytes; }
    void setUnreadable(const std::string& path, bool unreadable = true);
    int writes() const { return writes_; }

    // --- Files ---
    bool directoryExists(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::string canonicalFolderPath(const std::string& path) override;
    platform::ReadResult readFile(const std::string& path, std::size_t maxBytes) override;
    void writeFile(const std::string& path, const std::string& bytes) override;
    void replaceFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;

private:
    // The full path, as GetFullPathName makes it: lexical, nothing looked up.
    std::string fullPath(const std::string& path) const;
    std::string key(const std::string& path) const;
    static std::string parentKey(const std::string& key);
    // The key of the existing folder `path` names, long or short names; empty when none.
    std::string folderKey(const std::string& path) const;
    void requireWritableFolder(const std::string& fileKey) const;

    std::string currentFolder_ = "C:\\";
    std::map<std::string, std::string> folders_;      // key -> the path as the disk spells it
    std::unordered_set<std::string> spelledFolders_;  // the values of folders_
    std::map<std::string, std::string> shortNames_;   // key under the short name -> key
    std::map<std::string, std::string> shortOf_;      // key -> its short name
    std::map<std::string, std::string> files_;        // key -> bytes
    std::set<std::string> readOnly_;                  // folder keys
    std::set<std::string> unreadable_;                // file keys
    long long freeBytes_ = -1;
    int writes_ = 0;
};

// The system texts the simulated disk reports, as Windows words them.
namespace fs_text {
std::string pathNotFound();
std::string accessDenied();
std::string diskFull();
}  // namespace fs_text

}  // namespace sim
