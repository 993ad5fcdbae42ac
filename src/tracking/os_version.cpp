// Telling the generations of Windows apart: the folder path is read from a
// different address control on XP and on Vista and later, and Windows 11 may
// have no address control at all.
#include "tracking/discovery.h"
#include "tracking/texts.h"

namespace folvaric {
namespace {

constexpr std::uint32_t kPlatformNt = 2;
// Windows 11 still calls itself 10.0; its builds start here.
constexpr std::uint32_t kFirstWindows11Build = 22000;

std::string trimmed(const std::string& s) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && static_cast<unsigned char>(s[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(s[end - 1]) <= ' ') --end;
    return s.substr(begin, end - begin);
}

unsigned char ntVersion(const platform::VersionRecord& v) {
    switch (v.majorVersion) {
        case 3:
            return 5;
        case 4:
            return 6;
        case 5:
            return v.minorVersion == 0 ? 7 : 9;
        default:
            return 0;  // Vista, 7 and every later version
    }
}

// Windows 95, 98 and Me.
unsigned char windows9xVersion(const platform::VersionRecord& v) {
    if (v.majorVersion != 4) return 0;
    const std::string servicePack = trimmed(v.servicePack);
    switch (v.minorVersion) {
        case 0:
            return servicePack == "B" ? 2 : 1;
        case 10:
            return servicePack == "A" ? 4 : 3;
        case 90:
            return 8;
        default:
            return 0;
    }
}

}  // namespace

unsigned char detectOsVersion(Form1& f) {
    const platform::VersionRecord v = f.p.desktop.version();
    return v.platformId == kPlatformNt ? ntVersion(v) : windows9xVersion(v);
}

WindowsGeneration windowsGenerationOf(const platform::VersionRecord& v) {
    if (v.platformId != kPlatformNt || v.majorVersion < 5) return WindowsGeneration::Older;
    if (v.majorVersion == 5) return v.minorVersion == 0 ? WindowsGeneration::Older : WindowsGeneration::Xp;
    if (v.majorVersion == 6) return v.minorVersion < 2 ? WindowsGeneration::VistaOr7 : WindowsGeneration::Windows8;
    if (v.majorVersion == 10 && v.buildNumber < kFirstWindows11Build) return WindowsGeneration::Windows10;
    return WindowsGeneration::Windows11;
}

void detectWindowsGeneration(Form1& f) {
    f.osGeneration.clear();
    f.windowsGeneration = windowsGenerationOf(f.p.desktop.version());
    if (detectOsVersion(f) == 0) f.osGeneration = tracking_text::vistaOrWin7();
}

}  // namespace folvaric
