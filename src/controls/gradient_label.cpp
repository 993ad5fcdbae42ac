#include "controls/gradient_label.h"

#include <algorithm>

namespace controls {

GradientLabel::GradientLabel(std::string name) : CaptionControl(std::move(name)) {
    color = colors::clBtnFace;
    font = Font{"MS Sans Serif", 8, colors::clWindowText};
}

void GradientLabel::repaint() {
    if (onChanged) onChanged();
}

void GradientLabel::setColor(Color c) {
    write(color, c);
}
void GradientLabel::setFont(const Font& f) {
    write(font, f);
}
void GradientLabel::setAlignment(TAlignment a) {
    write(alignment_, a);
}
void GradientLabel::setLayout(TTextLayout l) {
    write(layout_, l);
}
void GradientLabel::setTransparent(bool t) {
    write(transparent_, t);
}

void GradientLabel::setGradient(bool v) {
    write(gradient_, v);
}
void GradientLabel::setGradientColor(Color v) {
    write(gradientColor_, v);
}
void GradientLabel::setGradientRtoL(bool v) {
    write(gradientRtoL_, v);
}
void GradientLabel::setLine(bool v) {
    write(line_, v);
}
void GradientLabel::setLineStyle(PenStyle v) {
    write(lineStyle_, v);
}
void GradientLabel::setLineColor(Color v) {
    write(lineColor_, v);
}
void GradientLabel::setLineWidth(int v) {
    write(lineWidth_, std::max(v, 1));
}
void GradientLabel::setShadow(bool v) {
    write(shadow_, v);
}
void GradientLabel::setShadowColor(Color v) {
    write(shadowColor_, v);
}
void GradientLabel::setShadowSize(int v) {
    write(shadowSize_, std::max(v, 1));
}
void GradientLabel::setShadowPos(TShadowPosition v) {
    write(shadowPos_, v);
}

}  // namespace controls
