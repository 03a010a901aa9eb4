#include "graphic_control.h"

#include <algorithm>

namespace lumo {

namespace {
int Px(double twips) {
    return static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(twips)));
}
} // namespace

GraphicControl::GraphicControl(Container& parent, const ControlDesign& design)
    : parent_(parent), design_(design) {
    parent_.graphics_.push_back(this);
}

GraphicControl::~GraphicControl() {
    auto& siblings = parent_.graphics_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    if (parent_.captured_ == this) {
        parent_.captured_ = nullptr;
    }
}

RECT GraphicControl::PixelRect() const {
    const int left = Px(design_.left);
    const int top = Px(design_.top);
    return RECT{left, top, left + Px(design_.width), top + Px(design_.height)};
}

void GraphicControl::Repaint() const {
    if (parent_.ContainerWindow() != nullptr) {
        parent_.Invalidate(PixelRect());
    }
}

void GraphicControl::SetBounds(double left, double top, double width, double height) {
    Repaint();
    design_.left = left;
    design_.top = top;
    design_.width = width;
    design_.height = height;
    Repaint();
}

void GraphicControl::Move(double left, double top, double width, double height) {
    SetBounds(left, top, width, height);
}

void GraphicControl::SetVisible(bool visible) {
    design_.visible = visible;
    Repaint();
}

void GraphicControl::SetEnabled(bool enabled) {
    design_.enabled = enabled;
    Repaint();
}

void GraphicControl::MouseDown(const MouseEvent& event) {
    if (OnMouseDown) {
        OnMouseDown(event);
    }
}

void GraphicControl::MouseUp(const MouseEvent& event) {
    if (OnMouseUp) {
        OnMouseUp(event);
    }
}

void GraphicControl::MouseMove(const MouseEvent& event) {
    if (OnMouseMove) {
        OnMouseMove(event);
    }
}

void GraphicControl::Click() {
    if (OnClick) {
        OnClick();
    }
}

} // namespace lumo
