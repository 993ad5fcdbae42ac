#pragma once
// The folders of the Explorer windows as the shell's own window list tells them:
// the way to a window's folder when its address control yields none (Windows 11
// draws its header without one), and the only way to the folders of its other tabs.
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/shell_windows.h"
#include "state/form1.h"

namespace folvaric {

class ShellFolderLookup {
public:
    explicit ShellFolderLookup(Form1& f) : f_(f) {}

    // The folder of the window's active view in the table's form: an existing
    // folder on a drive or the computer view's name; empty when the shell does
    // not list the window or its view has no such folder (the Recycle Bin).
    std::string activeFolderOf(WindowHandle window);
    // The folders of the window's other tabs in the same form, those without one left out.
    std::vector<std::string> otherFoldersOf(WindowHandle window);
    // The first window the shell lists whose active view shows `path` (ASCII case aside)
    // and that `acceptable` takes; 0 when there is none.
    WindowHandle windowShowing(const std::string& path, const std::function<bool(WindowHandle)>& acceptable);

private:
    void ask();
    const platform::ShellFolderWindow* entryOf(WindowHandle window);
    std::string tableFolder(const std::string& shellFolder);

    Form1& f_;
    bool asked_ = false;
    std::vector<platform::ShellFolderWindow> list_;
    std::unordered_map<WindowHandle, std::size_t> index_;
};

// Windows with tabs: the shell list is the only place that tells the other tabs' folders.
bool tabsPossible(const Form1& f);

}  // namespace folvaric
