#pragma once
// The chrome button's enumerations and its two preset tables: colour presets (BtnColorStyle) and
// kind presets (Kind: glyph resource, caption and modal result of the standard buttons).
#include "controls/color.h"

namespace controls {

enum class TBtnColorStyle { bcsCustom, bcsGold, bcsChrome, bcsBlue, bcsRed, bcsFlat1, bcsFlat2, bcsAqua };
enum class TModernBtnStyle { bsNormal, bsThin, bsFlat, bsModern };
enum class TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct ColorPreset {
    Color face;
    Color light;
    Color shadow;
    Color down;
    Color hotTrack;
    TModernBtnStyle style;
    bool flatBorder;
};

// Null for bcsCustom, which presets nothing.
const ColorPreset* colorPresetOf(TBtnColorStyle style);

struct KindPreset {
    int modalResult;
    const char* resource;  // name of the glyph resource, see chrome_resources.h
    const char* caption;
};

// Null for bkCustom.
const KindPreset* kindPresetOf(TBitBtnKind kind);

// The modal results the kinds give.
namespace modal {
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
              mrAll = 8;
}

}  // namespace controls
