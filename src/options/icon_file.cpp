#include "options/icon_file.h"

#include <cstdint>

namespace folvaric {
namespace {

constexpr std::size_t kHeaderBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::uint32_t kBitmapHeaderBytes = 40;  // BITMAPINFOHEADER, the smallest version
const char kPngSignature[] = "\x89PNG\r\n\x1a\n";

std::uint32_t readLittleEndian(const std::string& bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// An image starts with a bitmap header or, since Vista, with a whole PNG file.
bool imageStartsWell(const std::string& bytes, std::size_t offset, std::size_t size) {
    if (size >= 8 && bytes.compare(offset, 8, kPngSignature, 8) == 0) return true;
    if (size < kBitmapHeaderBytes) return false;
    // The header's own size names one of the known bitmap header versions, and it has one plane.
    const std::uint32_t headerBytes = readLittleEndian(bytes, offset, 4);
    const bool knownHeader =
        headerBytes == 40 || headerBytes == 52 || headerBytes == 56 || headerBytes == 108 || headerBytes == 124;
    return knownHeader && headerBytes <= size && readLittleEndian(bytes, offset + 12, 2) == 1;
}

}  // namespace

bool isIconFile(const std::string& bytes) {
    if (bytes.size() < kHeaderBytes || bytes.size() > kMaxIconFileBytes) return false;
    const std::uint32_t reserved = readLittleEndian(bytes, 0, 2);
    const std::uint32_t type = readLittleEndian(bytes, 2, 2);
    const std::size_t count = readLittleEndian(bytes, 4, 2);
    if (reserved != 0 || type != 1 || count == 0) return false;
    const std::size_t directoryEnd = kHeaderBytes + count * kEntryBytes;
    if (bytes.size() < directoryEnd) return false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kHeaderBytes + i * kEntryBytes;
        const std::size_t size = readLittleEndian(bytes, entry + 8, 4);
        const std::size_t offset = readLittleEndian(bytes, entry + 12, 4);
        if (size == 0 || offset < directoryEnd || offset > bytes.size() || size > bytes.size() - offset) return false;
        if (!imageStartsWell(bytes, offset, size)) return false;
    }
    return true;
}

}  // namespace folvaric
