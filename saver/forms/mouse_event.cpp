#include "mouse_event.h"

#include "screen_dpi.h"

namespace lumo {

MouseAction MouseActionOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        return MouseAction::Down;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        return MouseAction::Up;
    case WM_MOUSEMOVE:
        return MouseAction::Move;
    default:
        return MouseAction::None;
    }
}

POINT MousePointOf(LPARAM lParam) {
    // Signed: with the mouse captured, positions left of or above the window are negative.
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

namespace {

int ButtonOfMessage(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return 4;
    default:
        return 0;
    }
}

int HeldButtons(WPARAM wParam) {
    return ((wParam & MK_LBUTTON) != 0 ? 1 : 0) | ((wParam & MK_RBUTTON) != 0 ? 2 : 0) |
           ((wParam & MK_MBUTTON) != 0 ? 4 : 0);
}

} // namespace

MouseEvent MouseEventOf(UINT message, WPARAM wParam, LPARAM lParam, POINT origin, ScaleMode unit) {
    const POINT at = MousePointOf(lParam);
    MouseEvent event;
    event.button = MouseActionOf(message) == MouseAction::Move ? HeldButtons(wParam)
                                                               : ButtonOfMessage(message);
    event.shift = ((wParam & MK_SHIFT) != 0 ? 1 : 0) | ((wParam & MK_CONTROL) != 0 ? 2 : 0) |
                  (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
    event.x = FromPixels(at.x - origin.x, unit, ScreenDpi());
    event.y = FromPixels(at.y - origin.y, unit, ScreenDpi());
    return event;
}

bool AnyButtonHeld(UINT message, WPARAM wParam) {
    // The wParam of a release still names the released button on some systems: leave it out.
    const int held = HeldButtons(wParam) & ~ButtonOfMessage(message);
    return held != 0;
}

} // namespace lumo
