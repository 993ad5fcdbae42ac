// The painter's colour slots, derived from its colour properties or from the system's colours.
#include "controls/menu_painter.h"
#include "controls/menu_painter_colors.h"

namespace controls {

const MenuPainterColors& TMenuPainter::colors(Canvas& canvas) {
    if (colorsStale_) computeColors(canvas);
    return colors_;
}

const MenuPainterColors& TMenuPainter::freshColors(Canvas& canvas) {
    computeColors(canvas);
    return colors_;
}

void TMenuPainter::computeColors(Canvas& canvas) {
    auto rgbOf = [&canvas](Color c) { return canvas.toRgb(c); };
    const bool high = highColour();
    const Color face = rgbOf(colors::clBtnFace);
    const Color shadow = rgbOf(colors::clBtnShadow);
    const Color highlight = rgbOf(xp_colors::clHighlight);
    MenuPainterColors c;
    if (useSystemColors_) {
        c.menu = high ? LightenColor(face, 86) : colors::clWhite;
        c.iconColumn = high ? LightenColor(face, 16) : face;
        c.selection = high ? LightenColor(highlight, 68) : colors::clWhite;
        c.selectionBorder = highlight;
        c.selectedText = rgbOf(font_.color);
        c.menuBar = face;
        c.disabled = high ? LightenColor(shadow, 10) : shadow;
        c.separator = high ? LightenColor(shadow, 25) : shadow;
        c.checked = high ? LightenColor(highlight, 80) : colors::clWhite;
        c.checkedSelected = high ? LightenColor(highlight, 50) : colors::clWhite;
    } else {
        const Color select = rgbOf(selectColor_);
        const bool dim = high && useDimColor_;
        c.menu = rgbOf(color_);
        c.iconColumn = rgbOf(iconBackColor_);
        c.selection = dim ? LightenColor(select, 68) : select;
        c.selectionBorder = rgbOf(selectBorderColor_);
        c.selectedText = rgbOf(selectFontColor_);
        c.menuBar = rgbOf(menuBarColor_);
        c.disabled = rgbOf(disabledColor_);
        c.separator = rgbOf(separatorColor_);
        c.checked = !high ? colors::clWhite : (dim ? LightenColor(select, 80) : select);
        c.checkedSelected = !high ? colors::clSilver : (dim ? LightenColor(select, 50) : select);
    }
    c.menuFrame = high ? DarkenColor(face, 90) : shadow;
    c.menuShadow = high ? DarkenColor(face, 76) : shadow;
    colors_ = c;
    colorsStale_ = false;
}

}  // namespace controls
