#include "app/handler_names.h"

#include <cstring>

#include "app/error_handler.h"
#include "app/form_design.h"
#include "app/main_form.h"
#include "commands/desktop_commands.h"
#include "commands/marks.h"
#include "commands/ordering.h"
#include "commands/window_commands.h"
#include "forms/dual_window.h"
#include "forms/help_menu.h"
#include "options/appearance.h"
#include "options/layout.h"
#include "storage/folder_sets.h"
#include "storage/settings_file.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace folvaric {

const FormHandler kFormHandlers[] = {
    {"FormCreate", FormCreate},
    {"FormShow", FormShow},
    {"FormClose", FormClose},
    {"baocunjiheClick", saveDefaultFolderSet},
    {"lincunweiClick", saveFolderSetAs},
    {"diaorumorenjiheClick", loadDefaultFolderSet},
    {"diaoruqitajiheClick", loadOtherFolderSet},
    {"baocunwenjianjiaziClick", writeFolderSetFile},
    {"diaorujiheziClick", readFolderSetFile},
    {"quanbuxuanzeClick", tickAll},
    {"quanbubuxuanClick", untickAll},
    {"fanxiangxuanzeClick", invertTicks},
    {"quanbuzuixiaohuaClick", minimiseAllWindows},
    {"quanbuzuidahuaClick", maximiseAllWindows},
    {"dangezuixiaohuaClick", minimiseSelectedWindow},
    {"dangezuidahuaClick", maximiseSelectedWindow},
    {"guanbidangeClick", closeSelectedWindow},
    {"dagouquanbuguanbiClick", closeUntickedWindows},
    {"guanbiquanbuClick", closeAllWindows},
    {"jisuanClick", countWindows},
    {"baohupaixvClick", sortByProtection},
    {"sansuoClick", flashSelectedWindow},
    {"fuzilujinClick", copySelectedPath},
    {"fuziwenjianminClick", copySelectedName},
    {"fuzizuangtailanClick", copyStatusLine},
    {"suaxinClick", refreshFolderList},
    {"Explorer1Click", minimiseOtherPrograms},
    {"Explorer2Click", restoreOtherPrograms},
    {"N70Click", openProgramFolder},
    {"explorer5Click", restartExplorer},
    {"dakaiExplorerClick", openDualWindow},
    {"N23Click", chooseListFont},
    {"xiansituopanClick", toggleTrayIcon},
    {"N44Click", chooseMainIcon},
    {"lujintisiClick", togglePathTips},
    {"suofangClick", toggleControlScaling},
    {"baocunClick", saveSettings},
    {"congdiaoruseziClick", loadSettings},
    {"xunzaodizilanClick", rescanSelectedAddress},
    {"linsiClick", doNothing},
    {"cuangtisuofangClick", scaleFormToScreen},
    {"N27Click", openHelp},
    {"N29Click", openAuthorPage},
    {"N33Click", openAboutBox},
    {"N1001Click", openAntivirusPage},
    {"N100Click", openActiveDefencePage},
    {"N102Click", openAccountProtectionPage},
    {"N35Click", writeToAuthor},
    {"N89Click", openUpdatePage},
    {"N73Click", openCustomSoftwarePage},
    {"baoduClick", openAntivirusNotice},
    {"N39Click", maximiseAllFromTray},
    {"N43Click", exitFromTray},
    {"CheckListBox1ClickCheck", listTickToggled},
    {"CheckListBox1Click", listSelectionChanged},
    {"CheckListBox1DblClick", listDoubleClicked},
    {"StatusBar1DblClick", statusLineDoubleClicked},
    {"ApplicationEvents1Restore", programRestored},
    {"caozuoxitongbanben", detectWindowsGeneration},
    {"TrayIcon1Click", trayIconClicked},
};

const std::size_t kFormHandlerCount = sizeof(kFormHandlers) / sizeof(kFormHandlers[0]);

// Handlers with more to say than the form (a key, a position, another form):
//   "CheckListBox1KeyDown" -> listKeyDown(Form1& f, unsigned key, unsigned shift)
//   "CheckListBox1KeyUp" -> listKeyUp(Form1& f, unsigned key, unsigned shift)
//   "CheckListBox1StartDrag" -> listDragStarted(Form1& f, int listX, int listY)
//   "CheckListBox1DragOver" -> listDragOver(Form1& f, const void* source)
//   "CheckListBox1DragDrop" -> listDragDropped(Form1& f, int x, int y)
//   "jiarucuangkou1Click" -> joinFirstWindow(Form3& d)

const FormHandler* findFormHandler(const char* formName) {
    for (std::size_t i = 0; i < kFormHandlerCount; ++i) {
        if (std::strcmp(kFormHandlers[i].formName, formName) == 0) return &kFormHandlers[i];
    }
    return nullptr;
}

}  // namespace folvaric
