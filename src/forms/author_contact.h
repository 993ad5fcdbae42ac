#pragma once
// How to reach the program's author: the About box's web and mail labels and the Help menu's
// update page. GBK texts.
#include <string>

namespace folvaric::author {

const std::string& webAddress();
const std::string& mailAddress();
const std::string& updatePage();
// The About box's line that names the author.
const std::string& authorLine();

}  // namespace folvaric::author
