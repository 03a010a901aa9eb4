#pragma once
// A picture box: a child window with its own persistent surface, which may hold controls of
// its own. What is drawn into it stays, also while its form is hidden.

#include "control.h"
#include "font_design.h"
#include "picture.h"
#include "surface_container.h"

#include <optional>

namespace lumo {

struct PictureBoxDesign {
    ControlDesign control;
    std::optional<COLORREF> backColour; // none: the system's button face
    bool border = false;                // a sunken frame inside the control's size
    lumo::Picture picture;              // lies on the background from the top-left corner
    FontDesign font;                    // the ambient font of the user controls in the box
};

class PictureBox : public Control, public SurfaceContainer {
  public:
    PictureBox(Container& parent, const PictureBoxDesign& design);

    HWND ContainerWindow() const override { return Hwnd(); }
    Form& ParentForm() override { return Parent().ParentForm(); }
    HWND ParentFormWindow() const override { return Parent().ParentFormWindow(); }

  protected:
    const wchar_t* ClassName() const override;
    DWORD Style() const override { return WS_CLIPCHILDREN; }
    DWORD ExStyle() const override { return border_ ? WS_EX_CLIENTEDGE : 0; }
    void Created() override { AttachSurface(); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool border_;
};

} // namespace lumo
