// The delivered program folder (dist/): every entry the program looks for beside its executable,
// in the form it reads it. On Linux the repository keeps the names as UTF-8.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "forms/help_menu.h"
#include "storage/settings_format.h"
#include "text/gbk_codec.h"
#include "text/gbk_text.h"

using namespace folvaric;
namespace fs = std::filesystem;
using text::gbk;

namespace {

const fs::path& distFolder() {
    static const fs::path dir = fs::path(__FILE__).parent_path().parent_path() / "dist";
    return dir;
}

fs::path entry(const std::string& gbkName) {
    return distFolder() / fs::u8path(text::gbkToUtf8(gbkName));
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every line of a Windows text file ends in CR LF, the last one included.
bool onlyCrLfLines(const std::string& bytes) {
    if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
    }
    return true;
}

bool decodesAsGbk(const std::string& bytes) {
    return text::gbkToUtf16(bytes).find(u'\uFFFD') == std::u16string::npos;
}

TEST(DeliveredProgramFolder, SettingsFileLoadsWithTheDefaultIconAndTheUsualOptions) {
    const std::string bytes = readBytes(entry("set"));
    const SettingsRead read = readSettings(bytes);
    ASSERT_TRUE(read.valid());
    EXPECT_EQ(read.linesRead, kSettingsLines);
    EXPECT_EQ(read.fontSize, 16);
    EXPECT_EQ(read.fontName, gbk("宋体"));
    EXPECT_EQ(static_cast<std::uint32_t>(read.fontColour), kWindowTextColour);
    EXPECT_EQ(read.tray, 1);
    EXPECT_EQ(read.iconFileName, gbk("默认.ico"));
    EXPECT_TRUE(fs::is_regular_file(entry(gbk("图标")) / fs::u8path(text::gbkToUtf8(read.iconFileName))));
    EXPECT_EQ(read.scale, 1);
    EXPECT_EQ(read.autoRefresh, 0);
    EXPECT_EQ(read.loadLastSet, 1);
    // Byte for byte what the program's own save writes for these values.
    SettingsValues values;
    values.fontName = read.fontName;
    values.tray = true;
    values.iconFileName = read.iconFileName;
    values.scale = true;
    values.loadLastSet = true;
    EXPECT_EQ(bytes, formatSettings(values));
}

TEST(DeliveredProgramFolder, DefaultFolderSetExistsAndIsEmpty) {
    const fs::path file = entry(gbk("文件夹集合保存目录")) / fs::u8path(u8"默认.txt");
    ASSERT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(fs::file_size(file), 0u);
}

TEST(DeliveredProgramFolder, IconFolderOffersTheDefaultIconAndOthers) {
    const fs::path folder = entry(gbk("图标"));
    ASSERT_TRUE(fs::is_directory(folder));
    int icons = 0;
    for (const auto& file : fs::directory_iterator(folder)) {
        SCOPED_TRACE(file.path().u8string());
        EXPECT_EQ(file.path().extension(), ".ico");
        const std::string bytes = readBytes(file.path());
        ASSERT_GE(bytes.size(), 22u);
        EXPECT_EQ(bytes.substr(0, 4), std::string("\0\0\1\0", 4));  // an icon directory
        EXPECT_GE(static_cast<unsigned char>(bytes[4]), 1);         // with at least one image
        ++icons;
    }
    EXPECT_GE(icons, 2);
    EXPECT_TRUE(fs::is_regular_file(folder / fs::u8path(u8"默认.ico")));
}

TEST(DeliveredProgramFolder, PartialCloseSoundIsAShortWave) {
    const std::string bytes = readBytes(entry(gbk("音效")) / fs::u8path(u8"按钮声_1.wav"));
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_LT(bytes.size(), 100u * 1024u);
}

TEST(DeliveredProgramFolder, EveryHelpDocumentTheMenuNamesIsGbkTextWithWindowsLineEnds) {
    const std::vector<std::string> documents{help_document::help(),       help_document::author(),
                                             help_document::antivirus(),  help_document::activeDefence(),
                                             help_document::accounts(),   help_document::customWork(),
                                             help_document::falseAlarms()};
    for (const std::string& name : documents) {
        SCOPED_TRACE(text::gbkToUtf8(name));
        const fs::path file = entry(gbk("帮助")) / fs::u8path(text::gbkToUtf8(name));
        ASSERT_TRUE(fs::is_regular_file(file));
        const std::string bytes = readBytes(file);
        EXPECT_GT(bytes.size(), 200u);
        EXPECT_TRUE(decodesAsGbk(bytes));
        EXPECT_TRUE(onlyCrLfLines(bytes));
    }
}

TEST(DeliveredProgramFolder, RestartScriptEndsAndStartsExplorer) {
    const std::string bytes = readBytes(entry(gbk("重启动explorer.bat")));
    EXPECT_TRUE(decodesAsGbk(bytes));
    EXPECT_TRUE(onlyCrLfLines(bytes));
    EXPECT_NE(bytes.find("taskkill /f /im explorer.exe"), std::string::npos);
    EXPECT_NE(bytes.find("explorer.exe\""), std::string::npos);
}

}  // namespace
