#pragma once
// Horizontal and vertical text placement as the framework's controls store it.

namespace controls {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

}  // namespace controls
