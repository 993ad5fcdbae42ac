// The program folder taken from the executable's path.
#include <gtest/gtest.h>

#include "app/program_folder.h"

namespace {

using folvaric::folderOf;

TEST(ProgramFolderTest, TheFolderIsThePathUpToTheLastBackslashWithoutIt) {
    EXPECT_EQ(folderOf("C:\\Program Files\\Folvaric\\Folvaric.exe"), "C:\\Program Files\\Folvaric");
    EXPECT_EQ(folderOf("C:\\Folvaric.exe"), "C:");
    EXPECT_EQ(folderOf("\\\\server\\share\\Folvaric.exe"), "\\\\server\\share");
}

TEST(ProgramFolderTest, ABackslashThatIsTheSecondByteOfAChineseCharacterDoesNotCount) {
    // 0x81 0x5C is one GBK character whose second byte looks like a backslash.
    const std::string folder =
        "C:\\A\x81\x5C"
        "B";
    EXPECT_EQ(folderOf(folder + "\\Folvaric.exe"), folder);
    EXPECT_EQ(folderOf("C:\\A\x81\x5C"
                       "Folvaric.exe"),
              "C:");
}

TEST(ProgramFolderTest, APathWithoutFolderGivesNone) {
    EXPECT_EQ(folderOf("Folvaric.exe"), "");
    EXPECT_EQ(folderOf(""), "");
}

}  // namespace
