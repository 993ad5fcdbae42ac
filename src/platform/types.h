#pragma once
#include <cstdint>
#include <string>

namespace platform {

// 0 = no window. A real HWND fits in 32 bits on every Windows, 64-bit ones included.
using WindowHandle = std::uint32_t;
using ProcessId = std::uint32_t;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

// The ShowWindow commands the program uses, with their Windows values.
enum class ShowCommand : int {
    Hide = 0,
    ShowNormal = 1,
    ShowMinimized = 2,
    ShowMaximized = 3,
    ShowNoActivate = 4,
    Show = 5,
    Minimize = 6,
    ShowMinNoActive = 7,
    ShowNA = 8,
    Restore = 9,
};

// Window style bits, with their Windows values.
namespace style {
constexpr std::uint32_t Visible = 0x10000000;
constexpr std::uint32_t ClipSiblings = 0x04000000;
constexpr std::uint32_t Caption = 0x00C00000;
constexpr std::uint32_t SysMenu = 0x00080000;
constexpr std::uint32_t ThickFrame = 0x00040000;
constexpr std::uint32_t MinimizeBox = 0x00020000;
constexpr std::uint32_t MaximizeBox = 0x00010000;
constexpr std::uint32_t OverlappedWindow = Caption | SysMenu | ThickFrame | MinimizeBox | MaximizeBox;
// What a top-level window needs to count as a main window of an application.
constexpr std::uint32_t MainWindowMask = 0x14CF0000;
}  // namespace style

// The system's version record, as GetVersionEx fills it.
struct VersionRecord {
    std::uint32_t majorVersion = 6;
    std::uint32_t minorVersion = 1;
    std::uint32_t buildNumber = 7601;
    std::uint32_t platformId = 2;  // 2 = NT
    std::string servicePack;       // GBK
};

// Message box flags and answers, with their Windows values.
namespace mb {
constexpr std::uint32_t Ok = 0x0;
constexpr std::uint32_t OkCancel = 0x1;
constexpr std::uint32_t YesNo = 0x4;
constexpr std::uint32_t IconError = 0x10;
constexpr std::uint32_t IconQuestion = 0x20;
constexpr std::uint32_t IconWarning = 0x30;
constexpr std::uint32_t IconInformation = 0x40;
constexpr std::uint32_t SystemModal = 0x1000;
constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int IdYes = 6;
constexpr int IdNo = 7;
}  // namespace mb

}  // namespace platform
