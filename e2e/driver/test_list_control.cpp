// The real list control under Wine: which entry a click hits, the check box, Space on the
// selected entry, and dragging an entry onto another one.
#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "session.h"
#include "user_input.h"

namespace {

using Entries = std::vector<e2e::ListEntry>;

POINT nameOf(const RECT& entry) {
    return POINT{entry.left + 60, (entry.top + entry.bottom) / 2};
}

}  // namespace

E2E_TEST(list_control_hits_ticks_takes_space_and_moves_a_dragged_entry) {
    e2e::Session session;
    for (const wchar_t* name : {L"项目甲", L"资料乙", L"照片丙"}) REQUIRE(e2e::openFolderWindow(e2e::testFolder(name)));
    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    REQUIRE(program.waitForEntries([](const Entries& entries) { return entries.size() == 3; }));

    // Each entry's name selects that entry, bottom to top; its box ticks that entry alone.
    for (int i = 2; i >= 0; --i) REQUIRE(program.selectEntry(i));
    REQUIRE(program.toggleTick(1));
    CHECK_EQ(program.entries(), (Entries{{L"照片丙", false}, {L"资料乙", true}, {L"项目甲", false}}));
    CHECK_EQ(program.selectedIndex(), 1);

    // Space flips the tick of the selected entry.
    REQUIRE(program.selectEntry(2));
    REQUIRE(e2e::pressKeys("space"));
    CHECK(program.waitForEntries([](const Entries& entries) { return entries.size() == 3 && entries[2].ticked; }));

    // Dropped on another entry, the dragged one lands before it with its tick and stays selected.
    REQUIRE(e2e::dragFromTo(nameOf(program.entryRect(0)), nameOf(program.entryRect(2))));
    const Entries moved{{L"资料乙", true}, {L"照片丙", false}, {L"项目甲", true}};
    CHECK(program.waitForEntries([&](const Entries& entries) { return entries == moved; }));
    CHECK_EQ(program.entries(), moved);
    CHECK_EQ(program.selectedIndex(), 1);

    // Dropped outside the list, nothing moves.
    const RECT list = e2e::windowRect(program.list());
    REQUIRE(e2e::dragFromTo(nameOf(program.entryRect(2)), POINT{list.right + 40, list.top + 20}));
    Sleep(500);
    CHECK_EQ(program.entries(), moved);
    e2e::screenshot(L"list-control-after-drag", program.window());
}
