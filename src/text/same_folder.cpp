#include "text/same_folder.h"

#include "text/gbk_text.h"

namespace text {

bool sameFolder(const std::string& a, const std::string& b) {
    return a.size() == b.size() && asciiLower(a) == asciiLower(b);
}

}  // namespace text
