#include "line.h"

#include "screen_dpi.h"
#include "win32_handles.h"

#include <algorithm>
#include <cmath>

namespace lumo {

ControlDesign Line::BoundsOf(const LineDesign& design) {
    // The pen's width reaches past the ends: the bounds take it in, for repainting.
    const double reach = PixelsToTwips(design.width + 1, ScreenDpi());
    ControlDesign bounds;
    bounds.left = std::min(design.x1, design.x2) - reach;
    bounds.top = std::min(design.y1, design.y2) - reach;
    bounds.width = std::abs(design.x2 - design.x1) + 2 * reach;
    bounds.height = std::abs(design.y2 - design.y1) + 2 * reach;
    bounds.visible = design.visible;
    bounds.index = design.index;
    return bounds;
}

Line::Line(Container& parent, const LineDesign& design)
    : GraphicControl(parent, BoundsOf(design)), design_(design) {}

void Line::SetEnds(double x1, double y1, double x2, double y2) {
    design_.x1 = x1;
    design_.y1 = y1;
    design_.x2 = x2;
    design_.y2 = y2;
    const ControlDesign bounds = BoundsOf(design_);
    Move(bounds.left, bounds.top, bounds.width, bounds.height);
}

void Line::SetColour(COLORREF colour) {
    design_.colour = colour;
    Repaint();
}

void Line::SetLineWidth(int pixels) {
    design_.width = std::max(1, pixels);
    const ControlDesign bounds = BoundsOf(design_);
    Move(bounds.left, bounds.top, bounds.width, bounds.height);
}

void Line::Draw(HDC dc) const {
    win::GdiObject<HPEN> pen(::CreatePen(PS_SOLID, design_.width, design_.colour));
    win::SelectedObject selected(dc, pen.Get());
    const int dpi = ScreenDpi();
    const int x1 = TwipsToPixels(design_.x1, dpi);
    const int y1 = TwipsToPixels(design_.y1, dpi);
    const int x2 = TwipsToPixels(design_.x2, dpi);
    const int y2 = TwipsToPixels(design_.y2, dpi);
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
    if (design_.width == 1) {
        // Both ends belong to the line, unlike the platform's own line drawing.
        ::SetPixelV(dc, x2, y2, design_.colour);
    }
}

} // namespace lumo
