#pragma once
// Files and folders. Paths are GBK, with backslashes, as the program builds them.
#include <cstddef>
#include <stdexcept>
#include <string>

namespace platform {

// A failed write, carrying the system's own text for the general error handler.
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& systemText) : std::runtime_error(systemText) {}
};

enum class ReadStatus { Ok, Missing, TooLarge, Failed };

struct ReadResult {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes;
};

class Files {
public:
    virtual ~Files() = default;
    virtual bool directoryExists(const std::string& path) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    // The folder `path` as Windows itself spells it: full (no relative part, no "."
    // or ".."), every 8.3 short name expanded, each component in the case it has on
    // disk, no trailing backslash except at a drive root. Empty when no such folder exists.
    virtual std::string canonicalFolderPath(const std::string& path) = 0;
    // Reads the whole file, refusing one larger than maxBytes (nothing read then).
    virtual ReadResult readFile(const std::string& path, std::size_t maxBytes) = 0;
    // Creates or truncates `path` and writes `bytes`; throws FileError when it
    // cannot, possibly leaving part of the bytes written.
    virtual void writeFile(const std::string& path, const std::string& bytes) = 0;
    // Puts `from` in the place of `to` in one step (MoveFileEx with replace);
    // throws FileError when it cannot, leaving `to` as it was.
    virtual void replaceFile(const std::string& from, const std::string& to) = 0;
    virtual bool removeFile(const std::string& path) = 0;
};

}  // namespace platform
