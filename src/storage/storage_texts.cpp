#include "storage/storage_texts.h"

#include "text/gbk_text.h"

namespace folvaric {
namespace storage_text {

const std::string& errorCaption() {
    static const std::string s = text::gbk("出错");
    return s;
}

const std::string& fileMissingForRead() {
    static const std::string s = text::gbk("设置文件不存在,无法读取  ");
    return s;
}

const std::string& fileHasBadData() {
    static const std::string s = text::gbk("设置文件数据有错误！  ");
    return s;
}

const std::string& fileMissingForSave() {
    static const std::string s = text::gbk("设置文件不存在,无法保存  ");
    return s;
}

const std::string& settingsTooLarge() {
    static const std::string s = text::gbk("设置文件太大，不是本程序的设置文件，无法读取  ");
    return s;
}

const std::string& folderSetTooLarge() {
    static const std::string s = text::gbk("文件夹集合文件太大，不是本程序的记录文件，无法载入  ");
    return s;
}

const std::string& folderSetEmpty() {
    static const std::string s = text::gbk("文件夹集合文件为空的，无法载入");
    return s;
}

std::string foldersNotSaved(const std::vector<std::string>& names) {
    std::string message = text::gbk(
        "以下文件夹的名称或路径含有GBK编码无法表示的字符（显示为?），无法保存，"
        "下次调入时不会恢复：");
    for (const std::string& name : names) message += "\r\n" + name;
    return message;
}

const std::string& folderSetWaitsForRefresh() {
    static const std::string s = text::gbk("正在刷新，文件夹集合没有载入，请在刷新结束后再调入");
    return s;
}

const std::string& defaultFontName() {
    static const std::string s = text::gbk("宋体");
    return s;
}

const std::string& defaultIconName() {
    static const std::string s = text::gbk("默认.ico");
    return s;
}

const std::string& iconFolder() {
    static const std::string s = text::gbk("\\图标\\");
    return s;
}

const std::string& myComputer() {
    static const std::string s = text::gbk("我的电脑");
    return s;
}

const std::string& computer() {
    static const std::string s = text::gbk("计算机");
    return s;
}

}  // namespace storage_text
}  // namespace folvaric
