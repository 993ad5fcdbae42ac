#include "text/same_folder.h"

#include "text/folder_path.h"

namespace text {

// One rule for the whole program: the one the window tracking compares paths by.
bool sameFolder(const std::string& a, const std::string& b) {
    return sameFolderPath(a, b);
}

}  // namespace text
