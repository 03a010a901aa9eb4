#pragma once
// A picture box: a child window with its own persistent surface, which may hold controls of
// its own. What is drawn into it stays, also while its form is hidden.

#include "control.h"
#include "font_design.h"
#include "picture.h"
#include "surface.h"

#include <optional>

namespace lumo {

struct PictureBoxDesign {
    ControlDesign control;
    std::optional<COLORREF> backColour; // none: the system's button face
    bool border = false;                // a sunken frame inside the control's size
    lumo::Picture picture;              // lies on the background from the top-left corner
    FontDesign font;                    // the ambient font of the user controls in the box
};

class PictureBox : public Control, public Container {
  public:
    PictureBox(Container& parent, const PictureBoxDesign& design);

    Surface& Picture() { return picture_; }
    const Surface& Picture() const { return picture_; }
    // Inner size in the surface's drawing unit.
    double ScaleWidth() const { return picture_.ScaleWidth(); }
    double ScaleHeight() const { return picture_.ScaleHeight(); }
    // A new background picture: the persistent image is cleared to it (and what was drawn goes).
    void SetPicture(const lumo::Picture& picture);

    HWND ContainerWindow() const override { return Hwnd(); }
    Form& ParentForm() override { return Parent().ParentForm(); }
    const Surface* Background() const override { return &picture_; }
    const FontDesign& Font() const override { return font_; }

  protected:
    const char* ClassName() const override;
    DWORD Style() const override { return WS_CLIPCHILDREN; }
    DWORD ExStyle() const override { return border_ ? WS_EX_CLIENTEDGE : 0; }
    void Created() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ResizeSurfaceToClient();

    bool border_;
    FontDesign font_;
    Surface picture_;
};

} // namespace lumo
