#include "sim/sim_file_system.h"

#include "text/gbk_text.h"

namespace sim {

namespace fs_text {
std::string pathNotFound() { return text::gbk("系统找不到指定的路径。"); }
std::string accessDenied() { return text::gbk("拒绝访问。"); }
std::string diskFull() { return text::gbk("磁盘空间不足。"); }
}  // namespace fs_text

// Windows file names ignore ASCII case and a trailing backslash; '/' is a separator too.
std::string SimFileSystem::key(const std::string& path) {
    std::string k = text::asciiLower(path);
    std::size_t i = 0;
    while (i < k.size()) {
        const std::size_t len = text::charLengthAt(k, i);
        if (len == 1 && k[i] == '/') k[i] = '\\';
        i += len;
    }
    while (k.size() > 3 && k.back() == '\\' && text::charLengthAt(k, k.size() - 2) == 1) k.pop_back();
    return k;
}

std::string SimFileSystem::parentKey(const std::string& k) {
    std::size_t cut = std::string::npos;
    std::size_t i = 0;
    while (i < k.size()) {
        const std::size_t len = text::charLengthAt(k, i);
        if (len == 1 && k[i] == '\\') cut = i;
        i += len;
    }
    if (cut == std::string::npos) return std::string();
    if (cut == 2 && k.size() > 1 && k[1] == ':') return k.substr(0, 3);  // "c:\"
    return k.substr(0, cut);
}

void SimFileSystem::addFolder(const std::string& path) {
    std::string k = key(path);
    while (!k.empty() && folders_.insert(k).second) {
        const std::string parent = parentKey(k);
        if (parent == k) break;
        k = parent;
    }
}

void SimFileSystem::addFile(const std::string& path, const std::string& bytes) {
    const std::string k = key(path);
    addFolder(parentKey(k));
    files_[k] = bytes;
}

void SimFileSystem::removeFolder(const std::string& path) {
    const std::string k = key(path);
    const std::string prefix = k + "\\";
    for (auto it = folders_.begin(); it != folders_.end();) {
        it = (*it == k || it->compare(0, prefix.size(), prefix) == 0) ? folders_.erase(it) : std::next(it);
    }
    for (auto it = files_.begin(); it != files_.end();) {
        it = it->first.compare(0, prefix.size(), prefix) == 0 ? files_.erase(it) : std::next(it);
    }
}

std::optional<std::string> SimFileSystem::contents(const std::string& path) const {
    auto it = files_.find(key(path));
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

void SimFileSystem::setReadOnlyFolder(const std::string& path, bool readOnly) {
    if (readOnly) {
        readOnly_.insert(key(path));
    } else {
        readOnly_.erase(key(path));
    }
}

void SimFileSystem::setUnreadable(const std::string& path, bool unreadable) {
    if (unreadable) {
        unreadable_.insert(key(path));
    } else {
        unreadable_.erase(key(path));
    }
}

bool SimFileSystem::directoryExists(const std::string& path) { return !path.empty() && folders_.count(key(path)) != 0; }

bool SimFileSystem::fileExists(const std::string& path) { return files_.count(key(path)) != 0; }

platform::ReadResult SimFileSystem::readFile(const std::string& path, std::size_t maxBytes) {
    const std::string k = key(path);
    auto it = files_.find(k);
    if (it == files_.end()) return {platform::ReadStatus::Missing, {}};
    if (unreadable_.count(k)) return {platform::ReadStatus::Failed, {}};
    if (it->second.size() > maxBytes) return {platform::ReadStatus::TooLarge, {}};
    return {platform::ReadStatus::Ok, it->second};
}

void SimFileSystem::requireWritableFolder(const std::string& fileKey) const {
    const std::string parent = parentKey(fileKey);
    if (folders_.count(parent) == 0) throw platform::FileError(fs_text::pathNotFound());
    if (readOnly_.count(parent) != 0) throw platform::FileError(fs_text::accessDenied());
}

void SimFileSystem::writeFile(const std::string& path, const std::string& bytes) {
    const std::string k = key(path);
    requireWritableFolder(k);
    ++writes_;
    if (freeBytes_ >= 0 && static_cast<long long>(bytes.size()) > freeBytes_) {
        files_[k] = bytes.substr(0, static_cast<std::size_t>(freeBytes_));
        freeBytes_ = 0;
        throw platform::FileError(fs_text::diskFull());
    }
    if (freeBytes_ >= 0) freeBytes_ -= static_cast<long long>(bytes.size());
    files_[k] = bytes;
}

void SimFileSystem::replaceFile(const std::string& from, const std::string& to) {
    const std::string fromKey = key(from);
    const std::string toKey = key(to);
    auto it = files_.find(fromKey);
    if (it == files_.end()) throw platform::FileError(fs_text::pathNotFound());
    requireWritableFolder(toKey);
    std::string bytes = std::move(it->second);
    files_.erase(it);
    files_[toKey] = std::move(bytes);
}

bool SimFileSystem::removeFile(const std::string& path) {
    const std::string k = key(path);
    if (readOnly_.count(parentKey(k)) != 0) return false;
    return files_.erase(k) != 0;
}

}  // namespace sim
