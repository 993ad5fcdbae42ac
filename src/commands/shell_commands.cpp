// The commands that hand work to the shell: open the program folder, restart
// Explorer through its script, and open the dual window.
#include "commands/desktop_commands.h"
#include "text/gbk_text.h"

namespace folvaric {

void openProgramFolder(Form1& f) {
    static const std::string missingFolder = text::gbk("文件夹路径不存在  ");
    if (!f.p.files.directoryExists(f.appDir)) {
        f.p.dialogs.showMessage(missingFolder + f.appDir);
        return;
    }
    f.p.shell.execute(f.p.app.mainWindow(), "open", "Explorer.exe", "/n," + f.appDir, std::string(),
                      platform::ShowCommand::ShowMaximized);
}

void restartExplorer(Form1& f) {
    static const std::string question =
        text::gbk("如果你的Explorer卡住了或者死机了这将重启动它，你确信重启动Explorer吗?");
    static const std::string caption = text::gbk("重启动Explorer选择");
    static const std::string scriptName = text::gbk("重启动explorer.bat");
    static const std::string missingFile = text::gbk("文件不存在  ");
    // No owner and system-modal: Explorer may be hung, and the box must come up anyway.
    const std::uint32_t flags = platform::mb::OkCancel | platform::mb::IconQuestion | platform::mb::SystemModal;
    if (f.p.dialogs.messageBox(0, question, caption, flags) == platform::mb::IdCancel) return;

    const std::string script = f.appDir + "\\" + scriptName;
    if (!f.p.files.fileExists(script)) {
        f.p.dialogs.showMessage(missingFile + script);
        return;
    }
    f.p.shell.execute(f.p.app.mainWindow(), "open", script, std::string(), std::string(), platform::ShowCommand::Show);
}

void openDualWindow(Form1& f) {
    if (f.showDualWindow) f.showDualWindow();
}

}  // namespace folvaric
