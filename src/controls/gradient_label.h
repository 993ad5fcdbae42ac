#pragma once
// TGradientLabel: a label that can paint a horizontal colour gradient behind its caption, a line
// along its bottom edge and a drop shadow of the caption. It keeps the framework label's
// properties (caption, font, colour, alignment, layout, transparency) and adds its own.
//
// Every writer stores the value and asks for a repaint (the control's change hook) only when the
// value changed.
#include "controls/canvas.h"
#include "controls/simple_controls.h"
#include "controls/text_alignment.h"

namespace controls {

enum class TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

class GradientLabel : public CaptionControl {
public:
    explicit GradientLabel(std::string name);

    // --- the framework label's own properties (caption, font and Color come from the base) ---
    void setColor(Color c);
    void setFont(const Font& f);
    TAlignment alignment() const { return alignment_; }
    void setAlignment(TAlignment a);
    TTextLayout layout() const { return layout_; }
    void setLayout(TTextLayout l);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);

    // --- gradient, line and shadow ---
    bool gradient() const { return gradient_; }
    void setGradient(bool v);
    Color gradientColor() const { return gradientColor_; }
    void setGradientColor(Color v);
    bool gradientRtoL() const { return gradientRtoL_; }
    void setGradientRtoL(bool v);
    bool line() const { return line_; }
    void setLine(bool v);
    PenStyle lineStyle() const { return lineStyle_; }
    void setLineStyle(PenStyle v);
    Color lineColor() const { return lineColor_; }
    void setLineColor(Color v);
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int v);  // values below 1 are stored as 1
    bool shadow() const { return shadow_; }
    void setShadow(bool v);
    Color shadowColor() const { return shadowColor_; }
    void setShadowColor(Color v);
    int shadowSize() const { return shadowSize_; }
    void setShadowSize(int v);  // values below 1 are stored as 1
    TShadowPosition shadowPos() const { return shadowPos_; }
    void setShadowPos(TShadowPosition v);

private:
    template <typename T>
    void write(T& field, T value) {
        if (field == value) return;
        field = value;
        repaint();
    }
    void repaint();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool transparent_ = false;

    bool gradient_ = false;
    Color gradientColor_ = colors::clFuchsia;
    bool gradientRtoL_ = false;
    bool line_ = false;
    PenStyle lineStyle_ = PenStyle::psSolid;
    Color lineColor_ = colors::clBlack;
    int lineWidth_ = 1;
    bool shadow_ = false;
    Color shadowColor_ = colors::clWhite;
    int shadowSize_ = 1;
    TShadowPosition shadowPos_ = TShadowPosition::spLeftTop;
};

}  // namespace controls
