#include "control_base.h"

#include "container.h"
#include "screen_dpi.h"
#include "twips.h"

namespace lumo {

ControlBase::ControlBase(Container& parent, const ControlDesign& design)
    : parent_(parent), design_(design) {
    parent_.Adopt(*this);
}

ControlBase::~ControlBase() {
    parent_.Release(*this);
}

RECT ControlBase::PixelRect() const {
    const int dpi = ScreenDpi();
    const int left = TwipsToPixels(design_.left, dpi);
    const int top = TwipsToPixels(design_.top, dpi);
    return RECT{left, top, left + TwipsToPixels(design_.width, dpi),
                top + TwipsToPixels(design_.height, dpi)};
}

void ControlBase::Move(double left, double top, double width, double height) {
    const RECT before = PixelRect();
    design_.left = left;
    design_.top = top;
    design_.width = width;
    design_.height = height;
    ShowPlace(before);
}

void ControlBase::SetVisible(bool visible) {
    design_.visible = visible;
    ShowVisible();
}

void ControlBase::SetEnabled(bool enabled) {
    design_.enabled = enabled;
    ShowEnabled();
}

void ControlBase::MouseDown(const MouseEvent& event) {
    if (OnMouseDown) {
        OnMouseDown(event);
    }
}

void ControlBase::MouseUp(const MouseEvent& event) {
    if (OnMouseUp) {
        OnMouseUp(event);
    }
}

void ControlBase::MouseMove(const MouseEvent& event) {
    if (OnMouseMove) {
        OnMouseMove(event);
    }
}

void ControlBase::Click() {
    if (OnClick) {
        OnClick();
    }
}

} // namespace lumo
