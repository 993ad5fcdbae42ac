#include <exception>
#include <functional>

#include "app/error_handler.h"
#include "app/main_form.h"
#include "app/program_texts.h"
#include "storage/folder_sets.h"
#include "storage/settings_file.h"
#include "storage/storage_messages.h"
#include "storage/storage_texts.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

const std::string& saveFailedHead() {
    static const std::string t = text::gbk("保存失败：");
    return t;
}

const std::string& unreadSetKeptHead() {
    static const std::string t =
        text::gbk("启动时无法读取文件夹集合文件（可能正被其他程序使用），为免丢失其中的记录，退出时没有改写它：");
    return t;
}

// Who is there to read a box: the user at an exit, nobody at a log-off.
enum class Audience { User, Nobody };

void tell(Form1& f, Audience audience, const std::string& text, std::uint32_t icon) {
    if (audience == Audience::User) {
        f.p.dialogs.messageBox(f.p.app.mainWindow(), text, app_text::programTitle(), platform::mb::Ok | icon);
    }
}

// One file saved on its own: its failure is told with the file's path and never keeps the
// next file from being saved.
void saveOne(Form1& f, Audience audience, const std::string& path, const std::function<void()>& save) {
    try {
        save();
    } catch (const std::exception& e) {
        tell(f, audience, saveFailedHead() + path + "\r\n" + e.what(), platform::mb::IconError);
    }
}

void saveDefaultSet(Form1& f, Audience audience) {
    f.folderSetFile = f.defaultSetFile;
    if (!f.unreadSetFile.empty()) {
        tell(f, audience, unreadSetKeptHead() + f.unreadSetFile, platform::mb::IconInformation);
        return;
    }
    // 默认.txt is only ever rewritten, never created.
    if (!f.p.files.fileExists(f.defaultSetFile)) {
        if (audience == Audience::User) showStorageError(f, storage_text::fileMissingForSave() + f.defaultSetFile);
        return;
    }
    saveOne(f, audience, f.defaultSetFile, [&f] { writeFolderSetFile(f); });
}

// The one way out, for the exit and for the end of the Windows session alike.
void saveForShutdown(Form1& f, Audience audience) {
    // A log-off before the window came up: the settings and the list in memory are not yet
    // the user's. (An exit cannot come that early; the view holds it back until start-up ends.)
    if (audience == Audience::Nobody && !(f.startupDone && f.formShown)) return;
    saveOne(f, audience, f.settingsFilePath, [&f] { saveSettings(f); });
    // Until the first showing has loaded the set, the ticks are not the user's set.
    if (!f.startupSetLoadPending) saveDefaultSet(f, audience);
}

}  // namespace

void FormClose(Form1& f) {
    saveForShutdown(f, Audience::User);
    // The user asked to leave: the boxes above have said what could not be saved.
    if (f.endApplication) f.endApplication();
}

void exitFromTray(Form1& f) {
    if (f.closeMainWindow) f.closeMainWindow();
}

void sessionEnding(Form1& f) {
    // No one is there to answer a box any more, and Windows ends the process itself.
    saveForShutdown(f, Audience::Nobody);
}

}  // namespace folvaric
