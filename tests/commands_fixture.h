#pragma once
// A program on the simulated desktop with its list filled by hand, so that the
// list commands can be tried without running a refresh first.
#include <gtest/gtest.h>

#include <string>

#include "support/fixture.h"

namespace testing_support {

using platform::WindowHandle;

struct CommandsFixture : Fixture, ::testing::Test {
    CommandsFixture() { form.CheckListBox1.setBounds({8, 40, 300, 400}); }

    // Appends a row to the table and an entry to the list, as discovery does.
    int addRow(const std::string& name, WindowHandle handle, const std::string& path, bool ticked = false) {
        form.table.append({name, path, handle});
        return form.CheckListBox1.add(name, ticked);
    }

    // An open Explorer window of the folder, listed as the next row.
    WindowHandle addFolder(const std::string& path, bool ticked = false) {
        const WindowHandle h = sim.openExplorerWindow(path);
        addRow(sim::SimExplorer::displayName(path), h, path, ticked);
        return h;
    }

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (int i = 0; i < form.CheckListBox1.count(); ++i) out.push_back(form.CheckListBox1.item(i));
        return out;
    }

    std::vector<bool> ticks() const {
        std::vector<bool> out;
        for (int i = 0; i < form.CheckListBox1.count(); ++i) out.push_back(form.CheckListBox1.checked(i));
        return out;
    }

    std::vector<WindowHandle> handles() const { return column(form.table, &folvaric::FolderRow::window); }

    std::vector<std::string> paths() const { return column(form.table, &folvaric::FolderRow::path); }

    const std::string& status() const { return form.StatusBar1.simpleText(); }
    bool listHasFocus() const { return form.CheckListBox1.focused(); }
};

}  // namespace testing_support
