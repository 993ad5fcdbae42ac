// Every command that refills the list paints it once, not once per entry, and the control
// shows exactly the model's entries, ticks and selection afterwards.
#include <gtest/gtest.h>

#include <functional>

#include "commands/desktop_commands.h"
#include "commands/ordering.h"
#include "sim/sim_list_view.h"
#include "storage/folder_sets.h"
#include "support/fixture.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace {

using testing_support::gbk;

constexpr int kWindows = 120;

// A program listing many folder windows, a third of them in the default folder set.
struct ManyWindows : testing_support::Fixture {
    sim::SimListView view{form.CheckListBox1};

    ManyWindows() {
        form.CheckListBox1.setBounds({8, 40, 300, 400});
        sim.files.addFolder("D:\\");
        shown();
        folvaric::detectWindowsGeneration(form);
        std::string set;
        for (int i = 0; i < kWindows; ++i) {
            const std::string path = "D:\\F" + std::to_string(i);
            sim.openExplorerWindow(path);
            if (i % 3 == 0) set += "F" + std::to_string(i) + "\r\n" + path + "\r\n";
        }
        sim.files.addFile(form.defaultSetFile, set);
        refresh();
        for (int i = 0; i < kWindows; i += 2) form.CheckListBox1.setChecked(i, true);
        form.CheckListBox1.select(7);
    }

    void refresh() {
        sim.windows.setActive(sim.app.mainWindow());
        folvaric::refreshFolderList(form);
    }

    std::vector<sim::SimListView::Entry> modelEntries() const {
        std::vector<sim::SimListView::Entry> entries;
        for (int i = 0; i < form.CheckListBox1.count(); ++i) {
            entries.push_back({form.CheckListBox1.item(i), form.CheckListBox1.checked(i)});
        }
        return entries;
    }
};

TEST(ListPainting, RefillingCommandsPaintTheListOnceAndShowTheModel) {
    const struct {
        const char* name;
        bool reordersOrTicks;  // otherwise the entries come back as they were
        std::function<void(ManyWindows&)> run;
    } cases[] = {
        {"refresh", false, [](ManyWindows& t) { t.refresh(); }},
        {"sort by protection", true, [](ManyWindows& t) { folvaric::sortByProtection(t.form); }},
        {"minimise other programs", false, [](ManyWindows& t) { folvaric::minimiseOtherPrograms(t.form); }},
        {"restore other programs", false, [](ManyWindows& t) { folvaric::restoreOtherPrograms(t.form); }},
        {"load the default set", true, [](ManyWindows& t) { folvaric::loadDefaultFolderSet(t.form); }},
        {"drag an entry down", true,
         [](ManyWindows& t) {
             folvaric::listDragStarted(t.form, 10, 7 * t.form.CheckListBox1.itemHeight + 5);
             folvaric::listDragDropped(t.form, 10, 12 * t.form.CheckListBox1.itemHeight + 5);
         }},
    };
    for (const auto& c : cases) {
        ManyWindows t;
        const auto before = t.modelEntries();
        t.view.paints = 0;
        c.run(t);
        SCOPED_TRACE(c.name);
        ASSERT_EQ(t.form.CheckListBox1.count(), kWindows);
        EXPECT_TRUE(t.listMatchesTable());
        EXPECT_EQ(t.view.entries, t.modelEntries());
        EXPECT_EQ(t.view.selected, t.form.CheckListBox1.itemIndex());
        EXPECT_TRUE(t.view.drawing());
        // The batch's own paint, and at most one for the selection or focus after it.
        EXPECT_GE(t.view.paints, 1);
        EXPECT_LE(t.view.paints, 2);
        EXPECT_EQ(t.modelEntries() != before, c.reordersOrTicks);
    }
}

TEST(ListUpdate, NestedBatchesPaintOnceAtTheOutermostEnd) {
    controls::CheckListBox list{"CheckListBox1"};
    sim::SimListView view(list);
    {
        controls::ListUpdate outer(list);
        list.add("a");
        {
            controls::ListUpdate inner(list);
            list.add("b", true);
        }
        EXPECT_FALSE(view.drawing());
        EXPECT_EQ(view.paints, 0);
        list.select(1);
    }
    list.endUpdate();  // an unmatched end is ignored
    EXPECT_TRUE(view.drawing());
    EXPECT_EQ(view.paints, 1);
    EXPECT_EQ(view.entries, (std::vector<sim::SimListView::Entry>{{"a", false}, {"b", true}}));
    list.add("c");
    EXPECT_EQ(view.paints, 2);
}

}  // namespace
