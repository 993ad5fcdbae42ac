#include "commands/ordering.h"
#include "commands_fixture.h"

using namespace folvaric;
using testing_support::CommandsFixture;
using testing_support::gbk;

namespace {

struct Dragging : CommandsFixture {
    std::vector<WindowHandle> h;
    void abcd(const std::vector<bool>& marks = {false, false, false, false}) {
        const char* letters[] = {"A", "B", "C", "D"};
        int i = 0;
        for (bool m : marks) {
            const std::string name = letters[i++];
            addRow(name, static_cast<WindowHandle>(0x100 + i), "C:\\" + name, m);
        }
    }
    int rowY(int entry) const { return entry * form.CheckListBox1.itemHeight + 5; }
    // The press selects the entry; moving 5 pixels with the button held starts the drag.
    void drag(int fromEntry, int dropY) {
        form.CheckListBox1.select(fromEntry);
        listDragStarted(form, 20, rowY(fromEntry));
        ASSERT_TRUE(listDragOver(form, &form.CheckListBox1));
        listDragDropped(form, 20, dropY);
    }
    std::vector<std::string> pathsByName() const {
        std::vector<std::string> out;
        for (const auto& n : names()) out.push_back("C:\\" + n);
        return out;
    }
};

// A dragged entry lands before the entry it is dropped on and takes its tick and its window
// along; dropped onto the next entry it stays. Ticks are written "x" and unticks "-".
TEST_F(Dragging, ADropLandsBeforeTheTargetWithItsTickAndWindow) {
    const auto marks = [](const std::string& m) {
        std::vector<bool> v;
        for (char c : m) v.push_back(c == 'x');
        return v;
    };
    const struct {
        const char *before, *after;
        int from, onto;
        std::vector<std::string> order;
        int selected;
    } cases[] = {{"-x--", "--x-", 1, 3, {"A", "C", "B", "D"}, 2},
                 {"--xx", "-x-x", 3, 1, {"A", "D", "B", "C"}, 1},
                 {"x---", "x---", 0, 1, {"A", "B", "C", "D"}, 0},
                 {"x---", "--x-", 0, 3, {"B", "C", "A", "D"}, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " " + std::to_string(c.from) + " onto " + std::to_string(c.onto));
        form.CheckListBox1.clear();
        form.table.clear();
        abcd(marks(c.before));
        drag(c.from, rowY(c.onto));
        EXPECT_EQ(names(), c.order);
        EXPECT_EQ(paths(), pathsByName());
        EXPECT_EQ(ticks(), marks(c.after));
        std::vector<WindowHandle> windows;
        for (const std::string& n : c.order) windows.push_back(static_cast<WindowHandle>(0x101 + (n[0] - 'A')));
        EXPECT_EQ(handles(), windows);
        EXPECT_EQ(form.CheckListBox1.itemIndex(), c.selected);
        EXPECT_TRUE(listMatchesTable());
    }
}

TEST_F(Dragging, TheLastPlaceCannotBeReached) {
    abcd();
    drag(0, rowY(3));
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "C", "A", "D"}));
    drag(0, rowY(6));  // below the last entry
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "C", "A", "D"}));
    EXPECT_EQ(paths(), pathsByName());
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(Dragging, ADragBegunOffTheEntriesDropsNothing) {
    abcd();
    form.CheckListBox1.select(1);
    listDragStarted(form, 20, rowY(7));
    listDragDropped(form, 20, rowY(3));
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(form.dragFromRow, -1);
}

TEST_F(Dragging, ScrolledListDropsOnTheEntryUnderThePoint) {
    abcd();
    form.CheckListBox1.topIndex = 2;  // C is the first visible entry
    form.CheckListBox1.select(3);
    listDragStarted(form, 20, rowY(1));
    listDragDropped(form, 20, rowY(0));
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "D", "C"}));
    EXPECT_TRUE(listMatchesTable());
}

struct Sorting : CommandsFixture {};

TEST_F(Sorting, TickedFirstEachGroupInItsOldOrder) {
    addRow("A", 0xA, "C:\\A", false);
    addRow("B", 0xB, "C:\\B", true);
    addRow("C", 0xC, "C:\\C", false);
    addRow("D", 0xD, "C:\\D", true);
    sortByProtection(form);
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "D", "A", "C"}));
    EXPECT_EQ(handles(), (std::vector<WindowHandle>{0xB, 0xD, 0xA, 0xC}));
    EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\B", "C:\\D", "C:\\A", "C:\\C"}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(form.CheckListBox1.itemIndex(), 3);
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(listHasFocus());
}

TEST_F(Sorting, AllTickedOrNoneTickedKeepsTheOrder) {
    for (bool all : {true, false}) {
        form.CheckListBox1.clear();
        form.table.clear();
        addRow("A", 0xA, "C:\\A", all);
        addRow("B", 0xB, "C:\\B", all);
        addRow("C", 0xC, "C:\\C", all);
        form.CheckListBox1.select(0);
        sortByProtection(form);
        EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "C"}));
        EXPECT_EQ(ticks(), std::vector<bool>(3, all));
        EXPECT_EQ(form.CheckListBox1.itemIndex(), 2);
    }
}

TEST_F(Sorting, EmptyTableIsLeftAlone) {
    sortByProtection(form);
    EXPECT_EQ(form.CheckListBox1.count(), 0);
    EXPECT_EQ(form.CheckListBox1.itemIndex(), -1);
    EXPECT_FALSE(listHasFocus());
}

// The table keeps what the window showed, so a deep folder's path is still whole
// for copying and saving after a sort.
TEST_F(Sorting, LongPathStaysWhole) {
    std::string deep = "D:";
    while (deep.size() < 300) deep += gbk("\\文件夹");
    addRow("A", 0xA, "C:\\A", false);
    addRow(gbk("文件夹"), 0xB, deep, true);
    sortByProtection(form);
    EXPECT_EQ(form.table[0].path, deep);
    EXPECT_EQ(form.table[1].path, "C:\\A");
    EXPECT_TRUE(listMatchesTable());
}

}  // namespace
