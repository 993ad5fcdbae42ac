#pragma once
// In-memory folders and files with GBK names, and the faults a real disk has:
// missing files, read-only folders, a disk that fills up part-way through a write.
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/files.h"

namespace sim {

class SimFileSystem : public platform::Files {
public:
    // --- set-up and inspection ---
    void addFolder(const std::string& path);  // with every missing parent
    void addFile(const std::string& path, const std::string& bytes);  // creates the folder too
    void removeFolder(const std::string& path);  // with everything inside
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
    platform::ReadResult readFile(const std::string& path, std::size_t maxBytes) override;
    void writeFile(const std::string& path, const std::string& bytes) override;
    void replaceFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;

private:
    static std::string key(const std::string& path);
    static std::string parentKey(const std::string& key);
    void requireWritableFolder(const std::string& fileKey) const;

    std::set<std::string> folders_;                  // keys
    std::map<std::string, std::string> files_;       // key -> bytes
    std::set<std::string> readOnly_;                 // folder keys
    std::set<std::string> unreadable_;               // file keys
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
