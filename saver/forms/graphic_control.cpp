#include "graphic_control.h"

#include "accessible_anchor.h"

namespace lumo {

GraphicControl::GraphicControl(Container& parent, const ControlDesign& design)
    : ControlBase(parent, design) {
    parent.Adopt(*this);
}

GraphicControl::~GraphicControl() {
    Parent().Release(*this);
}

void GraphicControl::NotifyAccessible(DWORD event) {
    NotifyAccessibleEvent(*this, event);
}

void GraphicControl::Repaint() const {
    Parent().Invalidate(PixelRect());
}

void GraphicControl::ShowPlace(const RECT& before) {
    Parent().Invalidate(before);
    Repaint();
}

} // namespace lumo
