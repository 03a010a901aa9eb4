#include "press_tracker.h"

#include "control_base.h"
#include "mouse_event.h"

#include <utility>

namespace lumo {

bool PressTracker::Routes(UINT message) {
    if (message == WM_CAPTURECHANGED) {
        pressed_ = nullptr;
        leftPressed_ = false;
        return false;
    }
    return MouseActionOf(message) != MouseAction::None;
}

void PressTracker::Forget(const ControlBase& control) {
    if (pressed_ == &control) {
        pressed_ = nullptr;
        leftPressed_ = false;
    }
}

void PressTracker::HoldMouse(HWND window, UINT message, WPARAM wParam) {
    switch (MouseActionOf(message)) {
    case MouseAction::Down:
        if (::GetCapture() != window) {
            ::SetCapture(window);
        }
        break;
    case MouseAction::Up:
        if (!AnyButtonHeld(message, wParam) && ::GetCapture() == window) {
            ::ReleaseCapture();
        }
        break;
    case MouseAction::Move:
    case MouseAction::None:
        break;
    }
}

void PressTracker::Route(ControlBase& target, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam, POINT origin, const std::function<bool(POINT)>& over) {
    const MouseEvent event = MouseEventOf(message, wParam, lParam, origin);
    switch (MouseActionOf(message)) {
    case MouseAction::Down:
        pressed_ = &target;
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
            leftPressed_ = true;
        }
        HoldMouse(window, message, wParam);
        target.MouseDown(event);
        break;
    case MouseAction::Up: {
        const bool endsLeftPress = message == WM_LBUTTONUP && std::exchange(leftPressed_, false);
        if (!AnyButtonHeld(message, wParam)) {
            pressed_ = nullptr;
        }
        HoldMouse(window, message, wParam);
        target.MouseUp(event);
        if (endsLeftPress && over(MousePointOf(lParam))) {
            target.Click();
        }
        break;
    }
    case MouseAction::Move:
    case MouseAction::None:
        target.MouseMove(event);
        break;
    }
}

} // namespace lumo
