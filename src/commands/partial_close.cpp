// Partial close: every window whose entry is not ticked is closed; the
// protected folders stay.
#include "commands/command_support.h"
#include "commands/window_commands.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

void playCloseSound(Form1& f) {
    static const std::string soundFile = text::gbk("\\按钮声_1.wav");
    const std::string path = f.soundDir + soundFile;
    if (f.p.files.fileExists(path)) f.p.sound.play(path, true);
}

}  // namespace

void closeUntickedWindows(Form1& f) {
    static const std::string closedSome = text::gbk("部分关闭结束，共关闭文件夹数");
    static const std::string unit = text::gbk("个");
    static const std::string closedNone = text::gbk("部分关闭结束，没有关闭任何文件夹");
    controls::CheckListBox& list = f.CheckListBox1;
    if (list.count() == 0) return;

    int closed = 0;
    // From the last entry to the first: each removal only moves entries already visited.
    for (int j = list.count() - 1; j >= 0; --j) {
        if (j >= list.count() || list.checked(j)) continue;
        list.select(j);
        closeSelectedWindow(f);
        ++closed;
    }
    reportStatus(f, closed > 0 ? closedSome + text::decimal(closed) + unit : closedNone);
    if (closed > 0) playCloseSound(f);
    f.focusList();
}

}  // namespace folvaric
