#pragma once
// A line control: a windowless straight line between two points of its container (twips), in a
// colour and a width in pixels. It takes no mouse events.

#include "graphic_control.h"

namespace lumo {

struct LineDesign {
    double x1 = 0;
    double y1 = 0;
    double x2 = 1200;
    double y2 = 0;
    COLORREF colour = RGB(0, 0, 0);
    int width = 1; // pixels
    bool visible = true;
    int index = -1;
};

class Line : public GraphicControl {
  public:
    Line(Container& parent, const LineDesign& design);

    void SetEnds(double x1, double y1, double x2, double y2);
    double X1() const { return design_.x1; }
    double Y1() const { return design_.y1; }
    double X2() const { return design_.x2; }
    double Y2() const { return design_.y2; }
    void SetColour(COLORREF colour);
    void SetLineWidth(int pixels);

  protected:
    void Draw(HDC dc) const override;

  private:
    static ControlDesign BoundsOf(const LineDesign& design);

    LineDesign design_;
};

} // namespace lumo
