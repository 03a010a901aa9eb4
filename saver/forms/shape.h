#pragma once
// A rectangle shape control: a windowless frame of a colour and a width (pixels, drawn inside
// the shape's size), filled or not. Its background may be transparent (the container shows
// through) or a colour; a solid fill lies over the background. It takes no mouse events.

#include "graphic_control.h"

#include <optional>

namespace lumo {

enum class FillStyle { Transparent, Solid };

struct ShapeDesign {
    ControlDesign control;
    COLORREF borderColour = RGB(0, 0, 0);
    int borderWidth = 1; // pixels; 0 draws no frame
    FillStyle fillStyle = FillStyle::Transparent;
    COLORREF fillColour = RGB(0, 0, 0);
    std::optional<COLORREF> backColour; // none: transparent
};

class Shape : public GraphicControl {
  public:
    Shape(Container& parent, const ShapeDesign& design);

    void SetBorderColour(COLORREF colour);
    void SetBorderWidth(int pixels);
    void SetFill(FillStyle style, COLORREF colour);
    void SetBackColour(std::optional<COLORREF> colour);
    const ShapeDesign& Design() const { return design_; }

  protected:
    void Draw(HDC dc) const override;

  private:
    ShapeDesign design_;
};

} // namespace lumo
