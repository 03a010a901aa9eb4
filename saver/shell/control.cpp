#include "control.h"

#include "twips.h"

#include <algorithm>
#include <set>
#include <string>

namespace lumo {

void Container::CreateChildren() {
    for (Control* child : children_) {
        child->Create(ContainerWindow());
    }
}

Control::Control(Container& parent, const ControlDesign& design)
    : parent_(parent), design_(design) {
    parent_.children_.push_back(this);
}

Control::~Control() {
    auto& siblings = parent_.children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    if (hwnd_ != nullptr) {
        ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

void Control::RegisterClassOnce(const char* name, HBRUSH background) {
    static std::set<std::string> registered;
    if (registered.count(name) != 0) {
        return;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Control::WindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    if (::RegisterClassExA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
        registered.insert(name);
    }
}

void Control::Create(HWND parentWindow) {
    if (hwnd_ != nullptr) {
        return;
    }
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | Style();
    if (design_.visible) {
        style |= WS_VISIBLE;
    }
    if (!design_.enabled) {
        style |= WS_DISABLED;
    }
    const std::string text = InitialText();
    ::CreateWindowExA(ExStyle(), ClassName(), text.c_str(), style,
                      static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(design_.left))),
                      static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(design_.top))),
                      static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(design_.width))),
                      static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(design_.height))),
                      parentWindow, nullptr, ::GetModuleHandleA(nullptr), this);
    if (hwnd_ != nullptr) {
        Created();
    }
}

void Control::Move(double left, double top, double width, double height) {
    design_.left = left;
    design_.top = top;
    design_.width = width;
    design_.height = height;
    if (hwnd_ != nullptr) {
        ::MoveWindow(hwnd_, static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(left))),
                     static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(top))),
                     static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(width))),
                     static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(height))), TRUE);
    }
}

void Control::SetVisible(bool visible) {
    design_.visible = visible;
    if (hwnd_ != nullptr) {
        ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    }
}

void Control::SetEnabled(bool enabled) {
    design_.enabled = enabled;
    if (hwnd_ != nullptr) {
        ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    }
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Control::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            auto* self = static_cast<Control*>(create->lpCreateParams);
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Control*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self == nullptr) {
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        }
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // No failure of a control's handler may unwind into the system's dispatcher.
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace lumo
