#include "forms/author_contact.h"

#include "text/gbk_text.h"

namespace folvaric::author {

// The project's own addresses go here; until it has them these point at reserved example
// domains, which no one else can own.
const std::string& webAddress() {
    static const std::string s = "http://folvaric.example.com/";
    return s;
}

const std::string& mailAddress() {
    static const std::string s = "folvaric@example.com";
    return s;
}

const std::string& updatePage() {
    static const std::string s = "http://folvaric.example.com/update.html";
    return s;
}

const std::string& authorLine() {
    static const std::string s = text::gbk("作者：Folvaric 开发组    版本 2.1");
    return s;
}

}  // namespace folvaric::author
