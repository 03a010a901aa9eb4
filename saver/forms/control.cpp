#include "control.h"

#include "accessible_object.h"
#include "mouse_event.h"

#include <oleacc.h>

#include <utility>

namespace lumo {

Control::Control(Container& parent, const ControlDesign& design) : ControlBase(parent, design) {}

Control::~Control() {
    DestroyNative();
}

AccessibleFacts Control::KindAccessible() const {
    AccessibleFacts facts = ControlBase::KindAccessible();
    facts.role = ROLE_SYSTEM_CLIENT;
    return facts;
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The object id comes as a 32-bit value, whatever the width of lParam.
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT answer = accessible_.Answer(*this, wParam)) {
            return answer;
        }
    } else if (message == AccessibleActionMessage()) {
        AccessibleAnchor::RunAction(*this, wParam);
        return 0;
    }
    return NativeWindow::HandleMessage(message, wParam, lParam);
}

RECT Control::WindowRect() const {
    RECT r = PixelRect();
    r.bottom = r.top + WindowHeight(r.bottom - r.top);
    return r;
}

void Control::Create(HWND parentWindow) {
    if (Hwnd() != nullptr) {
        return;
    }
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | Style();
    if (Visible()) {
        style |= WS_VISIBLE;
    }
    if (!Enabled()) {
        style |= WS_DISABLED;
    }
    CreateNative(ExStyle(), ClassName(), InitialText(), style, WindowRect(), parentWindow);
    if (Hwnd() != nullptr) {
        Created();
    }
}

void Control::ShowPlace(const RECT& /*before*/) {
    if (Hwnd() != nullptr) {
        const RECT r = WindowRect();
        ::MoveWindow(Hwnd(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
}

void Control::ShowVisible() {
    if (Hwnd() != nullptr) {
        ::ShowWindow(Hwnd(), Visible() ? SW_SHOWNA : SW_HIDE);
    }
}

void Control::ShowEnabled() {
    if (Hwnd() != nullptr) {
        ::EnableWindow(Hwnd(), Enabled() ? TRUE : FALSE);
    }
}

bool Control::RouteOwnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CAPTURECHANGED) {
        leftPressed_ = false;
        return false;
    }
    const MouseAction action = MouseActionOf(message);
    if (action == MouseAction::None) {
        return false;
    }
    const MouseEvent event = MouseEventOf(message, wParam, lParam, POINT{0, 0});
    switch (action) {
    case MouseAction::Down:
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
            leftPressed_ = true;
        }
        if (::GetCapture() != Hwnd()) {
            ::SetCapture(Hwnd());
        }
        MouseDown(event);
        break;
    case MouseAction::Up: {
        const bool endsLeftPress = message == WM_LBUTTONUP && std::exchange(leftPressed_, false);
        if (!AnyButtonHeld(message, wParam) && ::GetCapture() == Hwnd()) {
            ::ReleaseCapture();
        }
        MouseUp(event);
        RECT client{};
        ::GetClientRect(Hwnd(), &client);
        if (endsLeftPress && ::PtInRect(&client, MousePointOf(lParam))) {
            Click();
        }
        break;
    }
    case MouseAction::Move:
    case MouseAction::None:
        MouseMove(event);
        break;
    }
    return true;
}

} // namespace lumo
