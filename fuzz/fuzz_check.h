#pragma once
// What every fuzzer shares: a check that stops the run with a message when a property of the
// code under test does not hold (libFuzzer then saves the input as a crash), and a program
// on a simulated desktop whose files come from the fuzz input.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sim/sim_desktop.h"
#include "state/form1.h"
#include "text/gbk_text.h"

#define FUZZ_REQUIRE(condition)                                                                   \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

namespace fuzzing {

using text::gbk;

// The program folder as the start-up leaves it, on a desktop with drives C: and D:.
struct Program {
    sim::SimDesktop sim;
    folvaric::Form1 form{sim.platform()};

    Program() {
        form.appDir = "C:\\Folvaric";
        form.settingsFilePath = form.appDir + "\\set";
        form.folderSetDir = form.appDir + "\\" + gbk("文件夹集合保存目录");
        form.defaultSetFile = form.folderSetDir + "\\" + gbk("默认.txt");
        form.soundDir = form.appDir + gbk("\\音效");
        sim.files.addFolder(form.folderSetDir);
        sim.files.addFolder("D:\\");
        form.formShown = true;
        form.startupDone = true;
    }

    // Item k of the list is row k of the table.
    bool listMatchesTable() const {
        if (form.table.size() < 0 || form.table.size() > folvaric::kMaxRows) return false;
        if (form.table.size() != form.CheckListBox1.count()) return false;
        for (int i = 0; i < form.table.size(); ++i) {
            if (form.CheckListBox1.item(i) != form.table[i].name) return false;
        }
        return true;
    }
};

inline bool hasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

// The folder an Explorer window of the simulation shows in its address control.
inline std::string folderShownBy(sim::SimDesktop& sim, platform::WindowHandle h) {
    std::string folder;
    const std::string label = gbk("地址: ");
    sim.windows.forEachDescendant(h, [&](platform::WindowHandle child) {
        const sim::SimWindow& w = sim.window(child);
        if (w.className == "Edit") folder = w.text;
        if (w.className == "ToolbarWindow32" && w.title.compare(0, label.size(), label) == 0)
            folder = w.title.substr(label.size());
        return folder.empty();
    });
    return folder;
}

// Two spellings of one folder: Windows ignores ASCII case and trailing backslashes, and the
// computer view is "我的电脑" on XP and "计算机" on Vista and 7.
inline bool sameFolder(const std::string& a, const std::string& b) {
    const auto key = [](const std::string& path) {
        if (path == gbk("我的电脑") || path == gbk("计算机")) return std::string("::computer");
        std::string k = text::asciiLower(path);
        while (k.size() > 3 && text::endsWithText("\\", k)) k.pop_back();
        return k;
    };
    return key(a) == key(b);
}

}  // namespace fuzzing
