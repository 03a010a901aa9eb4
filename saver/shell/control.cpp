#include "control.h"

#include "graphic_control.h"
#include "surface.h"
#include "twips.h"
#include "win32_handles.h"

#include <algorithm>
#include <set>
#include <string>

namespace lumo {

void Container::CreateChildren() {
    for (Control* child : children_) {
        child->Create(ContainerWindow());
    }
}

const FontDesign& Container::Font() const {
    static const FontDesign standard;
    return standard;
}

void Container::PaintBase(HDC target, int x, int y, const RECT& area) const {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (const Surface* image = Background()) {
        ::BitBlt(target, x, y, width, height, image->Dc(), area.left, area.top, SRCCOPY);
        return;
    }
    const RECT at{x, y, x + width, y + height};
    ::FillRect(target, &at, ::GetSysColorBrush(COLOR_BTNFACE));
}

void Container::PaintArea(HDC target, int x, int y, const RECT& area) const {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const bool anyOver = std::any_of(graphics_.begin(), graphics_.end(), [&](const auto* g) {
        RECT common{};
        const RECT bounds = g->PixelRect();
        return g->Visible() && ::IntersectRect(&common, &bounds, &area);
    });
    if (!anyOver) {
        PaintBase(target, x, y, area);
        return;
    }
    // Composed off screen, so that the windowless controls never flicker over the image.
    win::MemoryDc composed(::CreateCompatibleDC(target));
    win::GdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(target, width, height));
    if (composed.Get() == nullptr || bitmap.Get() == nullptr) {
        PaintBase(target, x, y, area);
        return;
    }
    win::SelectedObject into(composed.Get(), bitmap.Get());
    PaintBase(composed.Get(), 0, 0, area);
    ::SetViewportOrgEx(composed.Get(), -area.left, -area.top, nullptr);
    for (const GraphicControl* g : graphics_) {
        if (g->Visible()) {
            const int saved = ::SaveDC(composed.Get());
            g->Draw(composed.Get());
            ::RestoreDC(composed.Get(), saved);
        }
    }
    ::SetViewportOrgEx(composed.Get(), 0, 0, nullptr);
    ::BitBlt(target, x, y, width, height, composed.Get(), 0, 0, SRCCOPY);
}

void Container::Invalidate(const RECT& area) const {
    if (ContainerWindow() != nullptr) {
        ::RedrawWindow(ContainerWindow(), &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void Container::PaintWindow() const {
    PAINTSTRUCT ps;
    const HDC dc = ::BeginPaint(ContainerWindow(), &ps);
    PaintArea(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint);
    ::EndPaint(ContainerWindow(), &ps);
}

bool Container::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CAPTURECHANGED) {
        captured_ = nullptr;
        return false;
    }
    const MouseAction action = MouseActionOf(message);
    if (action == MouseAction::None) {
        return false;
    }
    const POINT at = MousePointOf(lParam);
    const auto over = [&](const GraphicControl* g) {
        const RECT bounds = g->PixelRect();
        return g->Visible() && g->Enabled() && g->TakesMouse() && ::PtInRect(&bounds, at);
    };
    GraphicControl* target = captured_;
    if (target == nullptr) {
        // The last declared lies on top.
        const auto hit = std::find_if(graphics_.rbegin(), graphics_.rend(), over);
        target = hit != graphics_.rend() ? *hit : nullptr;
    }
    if (target == nullptr) {
        return false;
    }
    const RECT bounds = target->PixelRect();
    const MouseEvent event = MouseEventOf(message, wParam, lParam, POINT{bounds.left, bounds.top});
    switch (action) {
    case MouseAction::Down:
        // The pressed control gets the moves and the release, wherever the mouse goes.
        captured_ = target;
        if (::GetCapture() != ContainerWindow()) {
            ::SetCapture(ContainerWindow());
        }
        target->MouseDown(event);
        break;
    case MouseAction::Up: {
        const bool held = AnyButtonHeld(message, wParam);
        if (!held) {
            captured_ = nullptr;
            if (::GetCapture() == ContainerWindow()) {
                ::ReleaseCapture();
            }
        }
        target->MouseUp(event);
        if (message == WM_LBUTTONUP && over(target)) {
            target->Click();
        }
        break;
    }
    case MouseAction::Move:
    case MouseAction::None:
        target->MouseMove(event);
        break;
    }
    return true;
}

bool Container::ReflectCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    if (from == nullptr) {
        return false;
    }
    for (Control* child : children_) {
        if (child->Hwnd() == from) {
            child->Notified(HIWORD(wParam));
            return true;
        }
    }
    return false;
}

Control::Control(Container& parent, const ControlDesign& design)
    : parent_(parent), design_(design) {
    parent_.children_.push_back(this);
}

Control::~Control() {
    auto& siblings = parent_.children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    if (hwnd_ != nullptr) {
        if (baseProc_ != nullptr) {
            // The system class's window goes as it came: with its own procedure.
            ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_));
        }
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
    const HWND made = ::CreateWindowExA(
        ExStyle(), ClassName(), text.c_str(), style,
        static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(design_.left))),
        static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(design_.top))),
        static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(design_.width))),
        WindowHeight(static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(design_.height)))),
        parentWindow, nullptr, ::GetModuleHandleA(nullptr), this);
    if (hwnd_ == nullptr && made != nullptr) {
        // A system class (a drop-down box): its messages come to us through a subclass.
        hwnd_ = made;
        ::SetWindowLongPtrA(made, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        baseProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
            made, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::WindowProc)));
    }
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
        ::MoveWindow(
            hwnd_, static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(left))),
            static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(top))),
            static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(width))),
            WindowHeight(static_cast<int>(TwipsToPixels(static_cast<std::int64_t>(height)))), TRUE);
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
    return CallBase(message, wParam, lParam);
}

LRESULT Control::CallBase(UINT message, WPARAM wParam, LPARAM lParam) {
    if (baseProc_ != nullptr) {
        return ::CallWindowProcA(baseProc_, hwnd_, message, wParam, lParam);
    }
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
            const LRESULT result = self->CallBase(message, wParam, lParam);
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            return result;
        }
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // No failure of a control's handler may unwind into the system's dispatcher.
        auto* self = reinterpret_cast<Control*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        return self != nullptr ? self->CallBase(message, wParam, lParam)
                               : ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace lumo
