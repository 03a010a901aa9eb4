#include "shape.h"

#include "win32_handles.h"

#include <algorithm>

namespace lumo {

Shape::Shape(Container& parent, const ShapeDesign& design)
    : GraphicControl(parent, design.control), design_(design) {}

void Shape::SetBorderColour(COLORREF colour) {
    design_.borderColour = colour;
    Repaint();
}

void Shape::SetBorderWidth(int pixels) {
    design_.borderWidth = std::max(0, pixels);
    Repaint();
}

void Shape::SetFill(FillStyle style, COLORREF colour) {
    design_.fillStyle = style;
    design_.fillColour = colour;
    Repaint();
}

void Shape::SetBackColour(std::optional<COLORREF> colour) {
    design_.backColour = colour;
    Repaint();
}

void Shape::Draw(HDC dc) const {
    const RECT at = PixelRect();
    if (design_.backColour) {
        win::GdiObject<HBRUSH> back(::CreateSolidBrush(*design_.backColour));
        ::FillRect(dc, &at, back.Get());
    }
    if (design_.fillStyle == FillStyle::Solid) {
        win::GdiObject<HBRUSH> fill(::CreateSolidBrush(design_.fillColour));
        ::FillRect(dc, &at, fill.Get());
    }
    if (design_.borderWidth <= 0) {
        return;
    }
    // Inside the frame: a wide border grows inwards, the outer edge stays the shape's size.
    win::GdiObject<HPEN> pen(
        ::CreatePen(PS_INSIDEFRAME, design_.borderWidth, design_.borderColour));
    win::SelectedObject selectedPen(dc, pen.Get());
    win::SelectedObject selectedBrush(dc, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, at.left, at.top, at.right, at.bottom);
}

} // namespace lumo
