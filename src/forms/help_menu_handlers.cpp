#include "forms/author_contact.h"
#include "forms/help_menu.h"
#include "forms/shell_launch.h"
#include "text/gbk_text.h"

namespace folvaric {

void openAboutBox(Form1& f) {
    if (f.showAboutBox) f.showAboutBox();
}

void writeToAuthor(Form1& f) {
    static const std::string letter =
        text::gbk("这是我的吐血之作，如果你喜欢欢迎给我来信，我一定回复您，请指出问题。万分感谢！");
    static const std::string caption = text::gbk("欢迎给我来信");
    f.p.dialogs.messageBox(f.p.app.mainWindow(), letter, caption, platform::mb::Ok);
}

void openUpdatePage(Form1& f) {
    openThroughShellOrReport(f.p, f.p.app.mainWindow(), author::updatePage(), platform::ShowCommand::ShowNormal);
}

}  // namespace folvaric
