#include "storage/safe_write.h"

namespace folvaric {

std::string scratchFileFor(const std::string& path) {
    return path + ".~tmp";
}

void rewriteFile(platform::Files& files, const std::string& path, const std::string& bytes) {
    const std::string scratch = scratchFileFor(path);
    try {
        files.writeFile(scratch, bytes);
        files.replaceFile(scratch, path);
    } catch (...) {
        files.removeFile(scratch);
        throw;
    }
}

}  // namespace folvaric
