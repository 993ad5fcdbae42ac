#include "app/program_texts.h"

namespace folvaric {
namespace app_text {

const std::string& programTitle() {
    static const std::string t = "Folvaric2.1";
    return t;
}

}  // namespace app_text
}  // namespace folvaric
