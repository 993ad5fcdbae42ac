#pragma once
// The program's own texts of the application shell, in GBK.
#include <string>

namespace folvaric {
namespace app_text {

const std::string& programTitle();  // "Folvaric2.1": caption, taskbar text, error boxes

}  // namespace app_text
}  // namespace folvaric
