#include "app/program_folder.h"

#include "text/gbk_text.h"

namespace folvaric {
namespace {

const std::string& settingsFileName() {
    static const std::string t = "set";
    return t;
}

const std::string& folderSetFolderName() {
    static const std::string t = text::gbk("文件夹集合保存目录");
    return t;
}

const std::string& defaultSetName() {
    static const std::string t = text::gbk("默认.txt");
    return t;
}

const std::string& soundFolderSuffix() {
    static const std::string t = text::gbk("\\音效");
    return t;
}

}  // namespace

std::string folderOf(const std::string& filePath) {
    std::size_t lastSeparator = std::string::npos;
    std::size_t i = 0;
    while (i < filePath.size()) {
        const std::size_t len = text::charLengthAt(filePath, i);
        if (len == 1 && filePath[i] == '\\') lastSeparator = i;
        i += len;
    }
    return lastSeparator == std::string::npos ? std::string() : filePath.substr(0, lastSeparator);
}

void buildProgramPaths(Form1& f) {
    f.appDir = folderOf(f.p.app.executablePath());
    f.settingsFilePath = f.appDir + "\\" + settingsFileName();
    f.folderSetFile.clear();
    f.folderSetDir = f.appDir + "\\" + folderSetFolderName();
    f.defaultSetFile = f.folderSetDir + "\\" + defaultSetName();
    f.soundDir = text::cutAtCharBoundary(f.appDir + soundFolderSuffix(), 255);
}

}  // namespace folvaric
