// The settings file `set` as any bytes: the reader never fails in a way other than the two
// messages, a file it accepts is applied whole, and what a save then writes loads again to
// the same values without a word.
#include <cstddef>
#include <cstdint>

#include "app/main_form.h"
#include "fuzz/fuzz_check.h"
#include "storage/settings_file.h"
#include "storage/settings_format.h"

namespace {

using folvaric::SettingsRead;

void checkReader(const std::string& bytes) {
    const SettingsRead r = folvaric::readSettings(bytes);
    FUZZ_REQUIRE(r.linesRead >= 0 && r.linesRead <= folvaric::kSettingsLines);
    FUZZ_REQUIRE(r.failed || r.linesRead == folvaric::kSettingsLines);
    FUZZ_REQUIRE(!fuzzing::hasLineBreak(r.fontName) && !fuzzing::hasLineBreak(r.iconFileName));
    if (!r.valid()) return;

    // A valid file written back by a save reads the same.
    folvaric::SettingsValues v;
    v.fontSize = r.fontSize;
    v.fontName = r.fontName;
    v.fontColour = static_cast<std::uint32_t>(r.fontColour);
    v.tray = r.tray != 0;
    v.iconFileName = r.iconFileName;
    v.scale = r.scale != 0;
    v.autoRefresh = r.autoRefresh != 0;
    v.loadLastSet = r.loadLastSet != 0;
    const SettingsRead again = folvaric::readSettings(folvaric::formatSettings(v));
    FUZZ_REQUIRE(again.valid());
    FUZZ_REQUIRE(again.fontSize == r.fontSize && again.fontName == r.fontName && again.fontColour == r.fontColour);
    FUZZ_REQUIRE(again.tray == r.tray && again.iconFileName == r.iconFileName);
    FUZZ_REQUIRE((again.scale != 0) == (r.scale != 0));
    FUZZ_REQUIRE((again.autoRefresh != 0) == (r.autoRefresh != 0));
    FUZZ_REQUIRE((again.loadLastSet != 0) == (r.loadLastSet != 0));
}

void checkLoadAndSave(const std::string& bytes) {
    fuzzing::Program program;
    folvaric::Form1& f = program.form;
    folvaric::buildForm1(f);
    program.sim.files.addFile(f.appDir + fuzzing::gbk("\\图标\\main.ico"), "icon");
    program.sim.files.addFile(f.settingsFilePath, bytes);

    folvaric::loadSettings(f);
    const std::size_t boxes = program.sim.dialogs.boxes.size();
    FUZZ_REQUIRE(boxes <= 1);
    if (boxes == 1) return;  // refused with a message; what it keeps is the reader's business
    FUZZ_REQUIRE(f.listFontSize > 0 && !f.listFontName.empty() && !f.iconFileName.empty());
    FUZZ_REQUIRE(f.trayOption >= -1 && f.trayOption <= 1);

    const std::int32_t size = f.listFontSize;
    const std::string name = f.listFontName;
    const std::uint32_t colour = f.listFontColor;
    const std::string icon = f.iconFileName;
    const bool tray = f.trayOption != 0;
    folvaric::saveSettings(f);
    folvaric::loadSettings(f);
    FUZZ_REQUIRE(program.sim.dialogs.boxes.empty());
    FUZZ_REQUIRE(f.listFontSize == size && f.listFontName == name && f.listFontColor == colour);
    FUZZ_REQUIRE(f.iconFileName == icon && (f.trayOption != 0) == tray);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkReader(bytes);
    checkLoadAndSave(bytes);
    return 0;
}
