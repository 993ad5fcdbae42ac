#pragma once
// Files and folders through kernel32, with the program's GBK paths.
#include "platform/files.h"

namespace win {

class WinFiles : public platform::Files {
public:
    bool directoryExists(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::string canonicalFolderPath(const std::string& path) override;
    platform::ReadResult readFile(const std::string& path, std::size_t maxBytes) override;
    void writeFile(const std::string& path, const std::string& bytes) override;
    void replaceFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;
};

}  // namespace win
