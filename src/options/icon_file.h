#pragma once
// Whether a file's bytes hold a Windows icon (.ico): a header of type 1, a directory of at least
// one image, and every image inside the file. The extension alone says nothing: a renamed
// picture would otherwise be taken and stored as the program's icon.
#include <cstddef>
#include <string>

namespace folvaric {

// Larger files are not taken for icons (the biggest ones, 256 pixels with every depth, stay
// well below this).
constexpr std::size_t kMaxIconFileBytes = 4 * 1024 * 1024;

bool isIconFile(const std::string& bytes);

}  // namespace folvaric
