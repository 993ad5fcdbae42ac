#include "tracking/special_views.h"

#include <vector>

#include "text/gbk_text.h"

namespace folvaric {
namespace {

const std::vector<std::string>& exactNames() {
    static const std::vector<std::string> names = {
        text::gbk("回收站"),   text::gbk("网上邻居"),     text::gbk("我的文档"),
        text::gbk("控制面板"), text::gbk("打印机和传真"), text::gbk("管理工具"),
        text::gbk("任务计划"), text::gbk("网络连接"),     text::gbk("字体"),
    };
    return names;
}

// Names that mark a whole family of views wherever they appear in the name.
const std::vector<std::string>& namesWithin() {
    static const std::vector<std::string> parts = {text::gbk("控制面板"), text::gbk("个性化"), text::gbk("网络")};
    return parts;
}

// True when `part` occurs in `s` starting on a character boundary, so that the
// trail byte of one character and the lead byte of the next never make a match.
bool containsText(const std::string& s, const std::string& part) {
    for (std::size_t i = 0; i + part.size() <= s.size(); i += text::charLengthAt(s, i)) {
        if (s.compare(i, part.size(), part) == 0) return true;
    }
    return false;
}

}  // namespace

bool isSpecialView(const std::string& displayName) {
    for (const std::string& name : exactNames()) {
        if (displayName == name) return true;
    }
    for (const std::string& part : namesWithin()) {
        if (containsText(displayName, part)) return true;
    }
    return false;
}

}  // namespace folvaric
