#include "storage/folder_set_format.h"

#include "storage/line_reader.h"
#include "storage/settings_format.h"
#include "storage/storage_texts.h"
#include "text/folder_path.h"
#include "text/gbk_codec.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

// Strict UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(const std::string& s, bool& hasNonAscii) {
    hasNonAscii = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        hasNonAscii = true;
        std::size_t extra = 0;
        unsigned int low = 0x80;
        unsigned int high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + extra >= s.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            const unsigned int lo = k == 1 ? low : 0x80;
            const unsigned int hi = k == 1 ? high : 0xBF;
            if (c < lo || c > hi) return false;
        }
        i += extra + 1;
    }
    return true;
}

}  // namespace

std::string folderSetTextAsGbk(const std::string& bytes) {
    static const std::string bom = "\xEF\xBB\xBF";
    if (bytes.compare(0, bom.size(), bom) == 0) return text::utf8ToGbk(bytes.substr(bom.size()));
    bool hasNonAscii = false;
    if (isValidUtf8(bytes, hasNonAscii) && hasNonAscii) return text::utf8ToGbk(bytes);
    return bytes;
}

std::string formatFolderSet(const std::vector<FolderSetEntry>& entries) {
    std::string out;
    for (const FolderSetEntry& e : entries) {
        out += asOneLine(e.name) + "\r\n";
        out += asOneLine(e.path) + "\r\n";
    }
    return out;
}

LoadedFolderSet readFolderSet(const std::string& bytes,
                              const std::function<std::string(const std::string&)>& canonicalFolder) {
    LoadedFolderSet set;
    LineReader in(bytes);
    while (!in.atEnd()) {
        const std::string name = in.readLine();
        const std::string path = in.readLine();
        // A relative or dotted path would be resolved against whatever folder the shell is
        // in, and its window would never be matched with the entry.
        const bool computer = text::isComputerFolderName(path);
        const bool wellFormed = !name.empty() && (computer || text::isAbsoluteDrivePath(path));
        const std::string canonical = computer || !wellFormed ? path : canonicalFolder(path);
        const bool present = wellFormed && !canonical.empty();
        const bool room = static_cast<int>(set.accepted.size()) < kMaxSetEntries;
        if (present && room) {
            set.accepted.push_back({name, canonical});
            continue;
        }
        ++set.refused;
        if (wellFormed && !present && static_cast<int>(set.absent.size()) < kMaxSetEntries) {
            set.absent.push_back({name, path});
        }
    }
    return set;
}

LoadedFolderSet readFolderSet(const std::string& bytes, const std::function<bool(const std::string&)>& isFolder) {
    return readFolderSet(bytes, std::function<std::string(const std::string&)>([&isFolder](const std::string& path) {
                             return isFolder(path) ? path : std::string();
                         }));
}

}  // namespace folvaric
