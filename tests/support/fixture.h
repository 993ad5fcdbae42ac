#pragma once
// A program on a simulated desktop: the main form model with its program-folder
// paths, as the start-up leaves them, without running the start-up itself.
#include "sim/sim_desktop.h"
#include "state/form1.h"
#include "text/gbk_text.h"

#include <ostream>
#include <tuple>
#include <vector>

namespace sim {

// Shell calls compare field by field, so a test states the whole call it expects.
inline bool operator==(const ShellCall& a, const ShellCall& b) {
    return std::tie(a.owner, a.verb, a.file, a.parameters, a.directory, a.show) ==
           std::tie(b.owner, b.verb, b.file, b.parameters, b.directory, b.show);
}
inline void PrintTo(const ShellCall& c, std::ostream* os) {
    *os << "{" << c.owner << ", " << c.verb << ", " << c.file << ", \"" << c.parameters << "\", \"" << c.directory
        << "\", show " << static_cast<int>(c.show) << "}";
}

}  // namespace sim

namespace testing_support {

using text::gbk;

// One field of every row of the table, in list order.
template <typename Field>
std::vector<Field> column(const folvaric::FolderTable& table, Field folvaric::FolderRow::*field) {
    std::vector<Field> out;
    for (const folvaric::FolderRow& row : table) out.push_back(row.*field);
    return out;
}

// Row of the folder, -1 when it is not listed.
inline int rowOf(const folvaric::Form1& form, const std::string& path) {
    for (int i = 0; i < form.table.size(); ++i) {
        if (form.table[i].path == path) return i;
    }
    return -1;
}

// The folder is listed, with a tick.
inline bool ticked(const folvaric::Form1& form, const std::string& path) {
    const int row = rowOf(form, path);
    return row >= 0 && form.CheckListBox1.checked(row);
}

struct Fixture {
    sim::SimDesktop sim;
    folvaric::Form1 form{sim.platform()};

    Fixture() {
        sim.files.addFolder("C:\\Folvaric");
        sim.files.addFolder("C:\\Folvaric\\" + gbk("文件夹集合保存目录"));
        form.appDir = "C:\\Folvaric";
        form.settingsFilePath = form.appDir + "\\set";
        form.folderSetDir = form.appDir + "\\" + gbk("文件夹集合保存目录");
        form.defaultSetFile = form.folderSetDir + "\\" + gbk("默认.txt");
        form.soundDir = form.appDir + gbk("\\音效");
    }

    // The state after start-up and the first showing: the status line is open.
    void shown() {
        form.formShown = true;
        form.startupDone = true;
    }

    int rowOf(const std::string& path) const { return testing_support::rowOf(form, path); }
    bool ticked(const std::string& path) const { return testing_support::ticked(form, path); }

    // Checks the invariant every command keeps: item k of the list is row k of the table.
    bool listMatchesTable() const {
        if (form.table.size() != form.CheckListBox1.count()) return false;
        for (int i = 0; i < form.table.size(); ++i) {
            if (form.CheckListBox1.item(i) != form.table[i].name) return false;
        }
        return true;
    }
};

}  // namespace testing_support
