#include "forms/help_menu.h"
#include "forms/shell_launch.h"
#include "text/gbk_text.h"

namespace folvaric {

namespace help_document {

const std::string& help() {
    static const std::string s = text::gbk("帮助.txt");
    return s;
}
const std::string& author() {
    static const std::string s = text::gbk("个人介绍.txt");
    return s;
}
const std::string& antivirus() {
    static const std::string s = text::gbk("100%杀毒软件.txt");
    return s;
}
const std::string& activeDefence() {
    static const std::string s = text::gbk("主动防御.txt");
    return s;
}
const std::string& accounts() {
    static const std::string s = text::gbk("保护你的账号.txt");
    return s;
}
const std::string& customWork() {
    static const std::string s = text::gbk("接受定做软件.txt");
    return s;
}
const std::string& falseAlarms() {
    static const std::string s = text::gbk("紧急声明，关于部分国外杀软报毒的问题.txt");
    return s;
}

}  // namespace help_document

std::string helpDocumentPath(const Form1& f, const std::string& fileName) {
    static const std::string folder = text::gbk("帮助\\");
    return f.appDir + "\\" + folder + fileName;
}

void openHelpDocument(Form1& f, const std::string& fileName) {
    static const std::string missing = text::gbk("文件不存在  ");
    const std::string path = helpDocumentPath(f, fileName);
    if (!f.p.files.fileExists(path)) {
        f.p.dialogs.showMessage(missing + path);
        return;
    }
    openThroughShellOrReport(f.p, f.p.app.mainWindow(), path, platform::ShowCommand::ShowMaximized);
}

void openHelp(Form1& f) {
    openHelpDocument(f, help_document::help());
}
void openAuthorPage(Form1& f) {
    openHelpDocument(f, help_document::author());
}
void openCustomSoftwarePage(Form1& f) {
    openHelpDocument(f, help_document::customWork());
}
void openAntivirusPage(Form1& f) {
    openHelpDocument(f, help_document::antivirus());
}
void openActiveDefencePage(Form1& f) {
    openHelpDocument(f, help_document::activeDefence());
}
void openAccountProtectionPage(Form1& f) {
    openHelpDocument(f, help_document::accounts());
}
void openAntivirusNotice(Form1& f) {
    openHelpDocument(f, help_document::falseAlarms());
}

}  // namespace folvaric
