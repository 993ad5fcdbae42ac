#include "sim/sim_file_system.h"

#include <cctype>
#include <vector>

#include "text/folder_path.h"
#include "text/gbk_text.h"

namespace sim {

namespace fs_text {
std::string pathNotFound() {
    return text::gbk("系统找不到指定的路径。");
}
std::string accessDenied() {
    return text::gbk("拒绝访问。");
}
std::string diskFull() {
    return text::gbk("磁盘空间不足。");
}
}  // namespace fs_text

namespace {

// The components of a GBK path, split at '\' and '/' that are characters of their own.
std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t len = text::charLengthAt(path, i);
        if (len == 1 && (path[i] == '\\' || path[i] == '/')) {
            parts.emplace_back();
        } else {
            parts.back().append(path, i, len);
        }
        i += len;
    }
    return parts;
}

bool hasDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

std::string join(const std::string& parent, const std::string& name) {
    return !parent.empty() && parent.back() == '\\' ? parent + name : parent + "\\" + name;
}

// The 8.3 stem Windows derives from a long name: its first characters up to six bytes,
// blanks and dots left out, letters in upper case.
std::string shortStem(const std::string& name) {
    std::string stem;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t len = text::charLengthAt(name, i);
        if (stem.size() + len > 6) break;
        if (len == 2 || (name[i] != ' ' && name[i] != '.')) stem.append(name, i, len);
        i += len;
    }
    for (char& c : stem) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return stem;
}

// An absolute drive path with nothing to resolve: no '/', no empty, "." or ".." component,
// no separator at the end. Bytes are looked at one by one; a double-byte character whose
// second byte is a backslash only makes the check fail, and the full resolution decides.
bool alreadyFull(const std::string& path) {
    if (!hasDrive(path) || path.size() < 4 || path[2] != '\\' || path.back() == '\\') return false;
    for (std::size_t i = 2; i < path.size(); ++i) {
        if (path[i] == '/') return false;
        if (path[i] == '\\' && (path[i + 1] == '\\' || path[i + 1] == '.')) return false;
    }
    return true;
}

}  // namespace

std::string SimFileSystem::fullPath(const std::string& path) const {
    if (alreadyFull(path)) {
        std::string full(path);
        full[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(full[0])));
        return full;
    }
    if (path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/')) return path;
    std::string absolute;
    if (hasDrive(path) && path.size() >= 3 && (path[2] == '\\' || path[2] == '/')) {
        absolute = path;
    } else if (hasDrive(path)) {
        // "D:x": relative to the current folder when that is on D:, to D:\ otherwise.
        const bool sameDrive = std::toupper(static_cast<unsigned char>(path[0])) ==
                               std::toupper(static_cast<unsigned char>(currentFolder_[0]));
        absolute = join(sameDrive ? currentFolder_ : path.substr(0, 2) + "\\", path.substr(2));
    } else if (!path.empty() && (path[0] == '\\' || path[0] == '/')) {
        absolute = currentFolder_.substr(0, 2) + path;
    } else {
        absolute = join(currentFolder_, path);
    }
    const std::vector<std::string> parts = components(absolute);
    std::vector<std::string> kept;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].empty() || parts[i] == ".") continue;
        if (parts[i] == "..") {
            if (!kept.empty()) kept.pop_back();
            continue;
        }
        kept.push_back(parts[i]);
    }
    std::string full{static_cast<char>(std::toupper(static_cast<unsigned char>(parts[0][0]))), ':', '\\'};
    for (std::size_t i = 0; i < kept.size(); ++i) full += (i ? "\\" : "") + kept[i];
    return full;
}

std::string SimFileSystem::key(const std::string& path) const {
    return path.empty() ? std::string() : text::folderPathKey(fullPath(path));
}

// Keys are UTF-8, where a backslash is never part of another character.
std::string SimFileSystem::parentKey(const std::string& k) {
    const std::size_t cut = k.rfind('\\');
    if (cut == std::string::npos || k.size() <= 3) return std::string();
    if (cut == 2) return k.substr(0, 3);  // "C:\"
    return k.substr(0, cut);
}

std::string SimFileSystem::folderKey(const std::string& path) const {
    if (path.empty()) return std::string();
    const std::string full = fullPath(path);
    const std::vector<std::string> parts = components(full);
    std::string k = text::folderPathKey(parts[0] + "\\");
    if (folders_.count(k) == 0) return std::string();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].empty()) continue;
        const std::string step = join(k, text::folderPathKey(parts[i]));
        if (folders_.count(step) != 0) {
            k = step;
        } else if (auto alias = shortNames_.find(step); alias != shortNames_.end()) {
            k = alias->second;
        } else {
            return std::string();
        }
    }
    return k;
}

void SimFileSystem::addFolder(const std::string& path) {
    if (path.empty()) return;
    const std::vector<std::string> parts = components(fullPath(path));
    std::string k = text::folderPathKey(parts[0] + "\\");
    std::string spelled = parts[0] + "\\";
    spelledFolders_.insert(folders_.emplace(k, spelled).first->second);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].empty()) continue;
        const std::string step = join(k, text::folderPathKey(parts[i]));
        auto existing = folders_.find(step);
        if (existing == folders_.end()) {
            existing = folders_.emplace(step, join(folders_[k], parts[i])).first;
            spelledFolders_.insert(existing->second);
            if (parts[i].size() > 8 || parts[i].find(' ') != std::string::npos) {
                const std::string stem = shortStem(parts[i]);
                for (int n = 1;; ++n) {
                    const std::string alias = stem + "~" + std::to_string(n);
                    const std::string aliasKey = join(k, text::folderPathKey(alias));
                    if (shortNames_.count(aliasKey) != 0) continue;
                    shortNames_[aliasKey] = step;
                    shortOf_[step] = alias;
                    break;
                }
            }
        }
        k = step;
    }
}

std::string SimFileSystem::shortName(const std::string& path) const {
    auto it = shortOf_.find(folderKey(path));
    return it == shortOf_.end() ? std::string() : it->second;
}

std::string SimFileSystem::canonicalFolderPath(const std::string& path) {
    auto it = folders_.find(folderKey(path));
    return it == folders_.end() ? std::string() : it->second;
}

void SimFileSystem::addFile(const std::string& path, const std::string& bytes) {
    const std::vector<std::string> parts = components(fullPath(path));
    std::string folder = parts[0] + "\\";
    for (std::size_t i = 1; i + 1 < parts.size(); ++i) folder = join(folder, parts[i]);
    addFolder(folder);
    files_[key(path)] = bytes;
}

void SimFileSystem::removeFolder(const std::string& path) {
    const std::string k = folderKey(path);
    if (k.empty()) return;
    const std::string prefix = join(k, "");
    for (auto it = folders_.begin(); it != folders_.end();) {
        it = (it->first == k || it->first.compare(0, prefix.size(), prefix) == 0) ? folders_.erase(it) : std::next(it);
    }
    spelledFolders_.clear();
    for (const auto& folder : folders_) spelledFolders_.insert(folder.second);
    for (auto it = shortNames_.begin(); it != shortNames_.end();) {
        it = folders_.count(it->second) == 0 ? shortNames_.erase(it) : std::next(it);
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

bool SimFileSystem::directoryExists(const std::string& path) {
    // Most paths asked about are spelled as the disk spells them, or with the long names of
    // their folders in another case; only short names need the walk from the drive down.
    return spelledFolders_.count(path) != 0 || folders_.count(key(path)) != 0 || !folderKey(path).empty();
}

bool SimFileSystem::fileExists(const std::string& path) {
    return files_.count(key(path)) != 0;
}

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
