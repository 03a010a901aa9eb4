#include "graphic_control.h"

namespace lumo {

GraphicControl::GraphicControl(Container& parent, const ControlDesign& design)
    : ControlBase(parent, design) {}

void GraphicControl::Repaint() const {
    Parent().Invalidate(PixelRect());
}

void GraphicControl::ShowPlace(const RECT& before) {
    Parent().Invalidate(before);
    Repaint();
}

} // namespace lumo
