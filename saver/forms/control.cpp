#include "control.h"

namespace lumo {

Control::Control(Container& parent, const ControlDesign& design) : ControlBase(parent, design) {}

Control::~Control() {
    DestroyNative();
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

} // namespace lumo
