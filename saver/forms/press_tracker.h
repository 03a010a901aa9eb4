#pragma once
// Where a press goes. A container routes its windowless controls' mouse through one, a windowed
// control its own, so that both follow the same rules: a double click is a press; the pressed
// control gets the moves and the release wherever the mouse goes (its window keeps the mouse
// until the last button is up); a release raises MouseUp, then Click when it ends a left press
// over the control.

#include <windows.h>

#include <functional>

namespace lumo {

class ControlBase;

class PressTracker {
  public:
    // Whether a message is one to route (a press, a release or a move). A window that loses the
    // mouse (WM_CAPTURECHANGED) ends the press; that message is left to the caller too.
    bool Routes(UINT message);

    // The control holding the press, which gets the mouse before any other; null when none does.
    ControlBase* Pressed() const { return pressed_; }
    // The control is going: it holds the press no longer.
    void Forget(const ControlBase& control);

    // A message Routes took, of `window`, for `target` (the pressed control or the one under the
    // mouse), whose corner lies at `origin` in the window's pixels. `over` tells whether a point
    // of the window lies over the target; it is asked once the target's MouseUp has run.
    void Route(ControlBase& target, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
               POINT origin, const std::function<bool(POINT)>& over);

    // The window keeps the mouse from a press until the last button is up, so that the release
    // reaches it wherever it happens.
    static void HoldMouse(HWND window, UINT message, WPARAM wParam);

  private:
    ControlBase* pressed_ = nullptr;
    bool leftPressed_ = false; // the press began with the left button, and it is still down
};

} // namespace lumo
