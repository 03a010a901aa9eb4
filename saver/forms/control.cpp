#include "control.h"

#include "accessible_object.h"

#include <oleacc.h>

namespace lumo {

Control::Control(Container& parent, const ControlDesign& design) : ControlBase(parent, design) {
    parent.Adopt(*this);
}

Control::~Control() {
    DestroyNative();
    Parent().Release(*this);
}

void Control::NotifyAccessible(DWORD event) {
    NotifyAccessibleEvent(*this, event);
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

void Control::CreateWindowIn(HWND containerWindow) {
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
    CreateNative(ExStyle(), ClassName(), InitialText(), style, WindowRect(), containerWindow);
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
    if (!press_.Routes(message)) {
        return false;
    }
    press_.Route(*this, Hwnd(), message, wParam, lParam, POINT{0, 0}, [this](POINT point) {
        RECT client{};
        ::GetClientRect(Hwnd(), &client);
        return ::PtInRect(&client, point) != FALSE;
    });
    return true;
}

} // namespace lumo
