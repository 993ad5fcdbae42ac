#pragma once
// The main window's Help menu ("帮助  "): the help documents kept in the folder 帮助 beside the
// executable, the About box, the letter invitation and the update page.
#include <string>

#include "state/form1.h"

namespace folvaric {

// File names of the help documents (GBK), as the menu entries open them.
namespace help_document {
const std::string& help();           // 帮助.txt
const std::string& author();         // 个人介绍.txt
const std::string& antivirus();      // 100%杀毒软件.txt
const std::string& activeDefence();  // 主动防御.txt
const std::string& accounts();       // 保护你的账号.txt
const std::string& customWork();     // 接受定做软件.txt
const std::string& falseAlarms();    // 紧急声明，关于部分国外杀软报毒的问题.txt
}  // namespace help_document

// appDir + "\" + "帮助\" + the file name.
std::string helpDocumentPath(const Form1& f, const std::string& fileName);
// Opens the document maximised in the system's handler for it, or says that it is missing.
void openHelpDocument(Form1& f, const std::string& fileName);

void openHelp(Form1& f);                   // 帮助
void openAuthorPage(Form1& f);             // 个人介绍
void openCustomSoftwarePage(Form1& f);     // 接受定做软件
void openAntivirusPage(Form1& f);          // 100%杀毒软件
void openActiveDefencePage(Form1& f);      // 主动防御
void openAccountProtectionPage(Form1& f);  // 保护你的账号
void openAntivirusNotice(Form1& f);        // the hidden entry about false virus alarms
void openAboutBox(Form1& f);               // 关于: the About box, modeless
void writeToAuthor(Form1& f);              // 欢迎给我来信
void openUpdatePage(Form1& f);             // 本软升级页面

}  // namespace folvaric
