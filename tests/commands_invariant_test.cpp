// Every list command leaves entry k equal to row k, whatever it does to the order.
#include <functional>
#include <map>

#include "commands/marks.h"
#include "commands/ordering.h"
#include "commands/window_commands.h"
#include "commands_fixture.h"

using namespace folvaric;
using testing_support::CommandsFixture;

namespace {

struct ListInvariant : CommandsFixture {
    void sixFolders() {
        const char* folders[] = {"C:\\A", "C:\\B", "C:\\C", "C:\\D", "C:\\E", "C:\\F"};
        for (int i = 0; i < 6; ++i) {
            const WindowHandle h = addFolder(folders[i], i % 3 == 1);
            titles[h] = sim.window(h).title;
        }
    }
    // Name, handle and path of each row still belong to one folder window.
    bool rowsStayWhole() const {
        for (int i = 0; i < form.table.size(); ++i) {
            const auto k = static_cast<std::size_t>(i);
            if (form.table[k].path != "C:\\" + form.table[k].name) return false;
            if (titles.at(form.table[k].window) != form.table[k].name) return false;
        }
        return true;
    }
    std::map<WindowHandle, std::string> titles;
};

TEST_F(ListInvariant, HoldsAfterEveryListCommandInTurn) {
    shown();
    sixFolders();
    // Selects `row`, then runs the command on it.
    const auto onRow = [this](int row, void (*command)(folvaric::Form1&)) {
        return [this, row, command] {
            form.CheckListBox1.select(row);
            command(form);
        };
    };
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"invert", [&] { invertTicks(form); }},
        {"range tick",
         [&] {
             listKeyDown(form, 16, controls::shift::Shift);
             form.CheckListBox1.userToggle(4);
             listTickToggled(form);
             listKeyUp(form, 16, 0);
         }},
        {"select",
         [&] {
             form.CheckListBox1.userSelect(2);
             listSelectionChanged(form);
         }},
        {"drag down",
         [&] {
             form.CheckListBox1.select(0);
             listDragStarted(form, 10, 5);
             listDragDropped(form, 10, 4 * form.CheckListBox1.itemHeight + 5);
         }},
        {"drag up",
         [&] {
             form.CheckListBox1.select(5);
             listDragStarted(form, 10, 5 * form.CheckListBox1.itemHeight + 5);
             listDragDropped(form, 10, 5);
         }},
        {"sort", [&] { sortByProtection(form); }},
        {"minimise one", onRow(1, minimiseSelectedWindow)},
        {"maximise one", onRow(2, maximiseSelectedWindow)},
        {"flash", [&] { flashSelectedWindow(form); }},
        {"minimise all", [&] { minimiseAllWindows(form); }},
        {"maximise all", [&] { maximiseAllWindows(form); }},
        {"tray maximise all", [&] { maximiseAllFromTray(form); }},
        {"count", [&] { countWindows(form); }},
        {"close one", onRow(3, closeSelectedWindow)},
        {"untick all", [&] { untickAll(form); }},
        {"tick all", [&] { tickAll(form); }},
        {"partial close",
         [&] {
             form.CheckListBox1.setChecked(0, false);
             closeUntickedWindows(form);
         }},
        {"close all", [&] { closeAllWindows(form); }},
    };
    for (const auto& [name, step] : steps) {
        step();
        sim.clock.processMessages();
        EXPECT_TRUE(listMatchesTable()) << "after " << name;
        EXPECT_TRUE(rowsStayWhole()) << "after " << name;
    }
    EXPECT_EQ(form.table.size(), 0);
}

}  // namespace
