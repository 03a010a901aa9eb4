#pragma once
// An image control: a windowless picture on its container. Unstretched, the picture lies at
// its natural size from the control's top-left corner, cut at the control's edges, and the
// container shows around it; stretched, it fills the control.

#include "graphic_control.h"
#include "picture.h"

namespace lumo {

struct ImageDesign {
    ControlDesign control;
    lumo::Picture picture;
    bool stretch = false;
};

class Image : public GraphicControl {
  public:
    Image(Container& parent, const ImageDesign& design);

    void SetPicture(const lumo::Picture& picture);
    const lumo::Picture& GetPicture() const { return picture_; }
    void SetStretch(bool stretch);
    bool Stretch() const { return stretch_; }

  protected:
    void Draw(HDC dc) const override;
    bool TakesMouse() const override { return true; }

  private:
    lumo::Picture picture_;
    bool stretch_;
};

} // namespace lumo
