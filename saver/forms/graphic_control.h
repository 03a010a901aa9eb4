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
    ~GraphicControl() override;

    bool Windowless() const override { return true; }
    // Told through the object of the windowed container that stands for it.
    void NotifyAccessible(DWORD event) override;

  protected:
    GraphicControl(Container& parent, const ControlDesign& design);

    void Draw(HDC dc) const override = 0;

    // Shows a change of the control's look.
    void Repaint() const;

    void ShowPlace(const RECT& before) override;
    void ShowVisible() override { Repaint(); }
    void ShowEnabled() override { Repaint(); }
};

} // namespace lumo
