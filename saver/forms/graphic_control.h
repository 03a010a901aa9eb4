#pragma once
// A windowless control: it has no window of its own and is drawn by its container between the
// container's persistent image and its windowed controls, so it never hides what is drawn over
// it there and never covers a windowed control. The container hands it the mouse messages that
// fall on it (images and labels take them; lines and shapes let them through).

#include "container.h"
#include "control_base.h"

#include <windows.h>

namespace lumo {

class GraphicControl : public ControlBase {
  public:
    GraphicControl* Windowless() override { return this; }

  protected:
    GraphicControl(Container& parent, const ControlDesign& design);

    // Draws the control into a device context in the container's pixel coordinates.
    virtual void Draw(HDC dc) const = 0;
    // Whether mouse messages over the control are its own.
    virtual bool TakesMouse() const { return false; }

    // Shows a change of the control's look.
    void Repaint() const;

    void ShowPlace(const RECT& before) override;
    void ShowVisible() override { Repaint(); }
    void ShowEnabled() override { Repaint(); }

  private:
    friend class Container;
};

} // namespace lumo
