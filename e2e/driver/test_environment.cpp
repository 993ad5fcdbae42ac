// The Wine prefix the suite runs in behaves like a Chinese Windows: without this every later
// test that reads the program's texts or file names would fail for a reason not the program's.
#include "check.h"
#include "desktop.h"

E2E_TEST(wine_speaks_gbk) {
    CHECK_EQ(GetACP(), 936u);
}

E2E_TEST(wine_maps_chinese_file_names) {
    // Laid down from Linux by the runner as UTF-8 bytes; Windows must see the same characters.
    const std::wstring fromLinux = e2e::programFile(L"e2e-名称检查.txt");
    CHECK(e2e::fileExists(fromLinux));
    CHECK_EQ(e2e::readFileBytes(fromLinux), std::string("ok\n"));

    // And a name written from Windows must be listed back unchanged.
    const std::wstring name = L"文件夹集合-默认.txt";
    REQUIRE(e2e::writeFileBytes(e2e::programFile(name), "x"));
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW(e2e::programFile(L"文件夹集合-*").c_str(), &found);
    REQUIRE(search != INVALID_HANDLE_VALUE);
    FindClose(search);
    CHECK_EQ(std::wstring(found.cFileName), name);
    DeleteFileW(e2e::programFile(name).c_str());
}
