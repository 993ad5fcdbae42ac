#include "controls/chrome_consts.h"

#include <cstddef>
#include <iterator>

namespace controls {

namespace {

using colors::clBtnFace;
using colors::clNone;
using S = TModernBtnStyle;

// Indexed by TBtnColorStyle; entry 0 (bcsCustom) is never read.
const ColorPreset kColorPresets[] = {
    {0, 0, 0, clNone, clNone, S::bsNormal, false},
    {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, S::bsModern, false},   // bcsGold
    {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, S::bsModern, false},     // bcsChrome
    {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, S::bsModern, false},     // bcsBlue
    {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, S::bsModern, false},     // bcsRed
    {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, S::bsFlat, true},   // bcsFlat1
    {clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, S::bsFlat, false},  // bcsFlat2
    {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, S::bsModern, false},     // bcsAqua
};

// Indexed by TBitBtnKind; entry 0 (bkCustom) is never read.
const KindPreset kKindPresets[] = {
    {modal::mrNone, "", ""},
    {modal::mrOk, "CHROMEBTNOK", "&OK"},
    {modal::mrCancel, "CHROMEBTNCANCEL", "&Cancel"},
    {modal::mrNone, "CHROMEBTNHELP", "&Help"},
    {modal::mrYes, "CHROMEBTNYES", "&Yes"},
    {modal::mrNo, "CHROMEBTNNO", "&No"},
    {modal::mrNone, "CHROMEBTNCLOSE", "&Close"},
    {modal::mrAbort, "CHROMEBTNABORT", "&Abort"},
    {modal::mrRetry, "CHROMEBTNRETRY", "&Retry"},
    {modal::mrIgnore, "CHROMEBTNIGNORE", "&Ignore"},
    {modal::mrAll, "CHROMEBTNALL", "&All"},
};

}  // namespace

const ColorPreset* colorPresetOf(TBtnColorStyle style) {
    const auto i = static_cast<std::size_t>(style);
    if (style == TBtnColorStyle::bcsCustom || i >= std::size(kColorPresets)) return nullptr;
    return &kColorPresets[i];
}

const KindPreset* kindPresetOf(TBitBtnKind kind) {
    const auto i = static_cast<std::size_t>(kind);
    if (kind == TBitBtnKind::bkCustom || i >= std::size(kKindPresets)) return nullptr;
    return &kKindPresets[i];
}

}  // namespace controls
