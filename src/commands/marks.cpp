// Protection marks: the bulk commands, the Shift range tick, the path shown for
// the selected entry, and the list's double-click.
#include "commands/marks.h"

#include <algorithm>

#include "commands/command_support.h"
#include "commands/window_commands.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

// The bulk commands speak only when the program is up and protection can work;
// otherwise the marks change quietly.
void markAll(Form1& f, bool (*newMark)(bool current), const std::string& message) {
    controls::CheckListBox& list = f.CheckListBox1;
    for (int i = 0; i < list.count(); ++i) list.setChecked(i, newMark(list.checked(i)));
    if (f.formShown && f.startupDone && f.pathsResolvable) f.StatusBar1.setSimpleText(message);
    f.focusList();
}

void showPathFeedback(Form1& f, const std::string& tip, const std::string& status) {
    f.CheckListBox1.hint = tip;
    f.StatusBar1.setSimpleText(status);
}

}  // namespace

void tickAll(Form1& f) {
    static const std::string message =
        text::gbk("你已经保护了所有文件夹，如果在windows中被关闭，只要按下刷新，失去的所有文件夹就立刻重生！");
    markAll(
        f, [](bool) { return true; }, message);
}

void untickAll(Form1& f) {
    static const std::string message = text::gbk("注意：所有的文件夹都失去了保护！文件夹无法自动重生！");
    markAll(
        f, [](bool) { return false; }, message);
}

void invertTicks(Form1& f) {
    static const std::string message =
        text::gbk("打勾的文件夹被保护，如果在windows中被关闭，只要按下刷新，失去的文件夹就立刻重生！");
    markAll(
        f, [](bool current) { return !current; }, message);
}

void listKeyDown(Form1& f, unsigned, unsigned shift) {
    // Shift alone, not Ctrl+Shift or Shift with a mouse button: the key itself does not matter.
    if (shift == controls::shift::Shift) f.shiftRangeArmed = true;
}

void listKeyUp(Form1& f, unsigned, unsigned) {
    f.shiftRangeArmed = false;
}

void listTickToggled(Form1& f) {
    controls::CheckListBox& list = f.CheckListBox1;
    const int toggled = list.itemIndex();
    if (toggled < 0 || toggled >= list.count()) return;
    const bool nowTicked = list.checked(toggled);
    if (!f.shiftRangeArmed) {
        f.rangeAnchor = nowTicked ? toggled : 0;
        return;
    }
    if (!nowTicked) return;  // a Shift-untick stays a single untick and keeps the range armed
    // The anchor survives removals and rebuilds, so it may point past the end:
    // the range stops at the last existing entry.
    const int first = std::max(0, std::min(f.rangeAnchor, toggled));
    const int last = std::min(std::max(f.rangeAnchor, toggled), list.count() - 1);
    for (int i = first; i <= last; ++i) list.setChecked(i, true);
    f.shiftRangeArmed = false;
}

void listSelectionChanged(Form1& f) {
    if (!hasSelectedEntry(f)) return;
    const int selected = f.CheckListBox1.itemIndex();
    if (!f.table.contains(selected)) return;
    const std::string path = f.table[selected].path;

    if (!f.pathsResolvable && f.pathFailReason != AddressFailure::None) {
        static const std::string addressBarHelp =
            text::gbk("文件夹自动重生保护失效，请在xp文件夹选项中设置地址栏显示完整路径，然后按刷新");
        static const std::string reasonPrefix = text::gbk("文件夹自动重生保护失效,原因：");
        const std::string warning =
            f.pathFailReason == AddressFailure::XpAddressEdit ? addressBarHelp : reasonPrefix + f.pathFailText;
        showPathFeedback(f, warning, warning);
        return;
    }
    if (path.empty()) {
        static const std::string noPath = text::gbk("路径没有找到，文件夹自动重生保护失效");
        showPathFeedback(f, noPath, noPath);
        return;
    }
    static const std::string currentAddress = text::gbk("当前地址：");
    showPathFeedback(f, path, currentAddress + path);
}

void listDoubleClicked(Form1& f) {
    maximiseSelectedWindow(f);
}

}  // namespace folvaric
