#include "container.h"

#include "control.h"
#include "graphic_control.h"
#include "surface.h"
#include "win32_handles.h"

#include <algorithm>

namespace lumo {

void Container::Release(ControlBase& child) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &child), controls_.end());
    if (captured_ != nullptr && static_cast<ControlBase*>(captured_) == &child) {
        captured_ = nullptr;
    }
}

std::vector<const GraphicControl*> Container::Graphics() const {
    std::vector<const GraphicControl*> graphics;
    for (ControlBase* child : controls_) {
        if (const GraphicControl* g = child->Windowless()) {
            graphics.push_back(g);
        }
    }
    return graphics;
}

void Container::CreateChildren() {
    for (ControlBase* child : controls_) {
        if (Control* windowed = child->Windowed()) {
            windowed->Create(ContainerWindow());
        }
    }
}

const FontDesign& Container::ContainerFont() const {
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
    const std::vector<const GraphicControl*> graphics = Graphics();
    const bool anyOver = std::any_of(graphics.begin(), graphics.end(), [&](const auto* g) {
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
    for (const GraphicControl* g : graphics) {
        if (g->Visible()) {
            const int saved = ::SaveDC(composed.Get());
            g->Draw(composed.Get());
            ::RestoreDC(composed.Get(), saved);
        }
    }
    ::SetViewportOrgEx(composed.Get(), 0, 0, nullptr);
    ::BitBlt(target, x, y, width, height, composed.Get(), 0, 0, SRCCOPY);
}

void Container::PaintBehind(HWND child, HDC target, int x, int y, const RECT& area) const {
    POINT origin{0, 0};
    ::MapWindowPoints(child, ContainerWindow(), &origin, 1);
    PaintArea(target, x, y,
              RECT{area.left + origin.x, area.top + origin.y, area.right + origin.x,
                   area.bottom + origin.y});
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
        for (auto it = controls_.rbegin(); it != controls_.rend() && target == nullptr; ++it) {
            GraphicControl* g = (*it)->Windowless();
            target = g != nullptr && over(g) ? g : nullptr;
        }
    }
    if (target == nullptr) {
        return false;
    }
    const RECT bounds = target->PixelRect();
    const MouseEvent event = MouseEventOf(message, wParam, lParam, POINT{bounds.left, bounds.top});
    ControlBase& control = *target;
    switch (action) {
    case MouseAction::Down:
        // The pressed control gets the moves and the release, wherever the mouse goes.
        captured_ = target;
        if (::GetCapture() != ContainerWindow()) {
            ::SetCapture(ContainerWindow());
        }
        control.MouseDown(event);
        break;
    case MouseAction::Up: {
        const bool held = AnyButtonHeld(message, wParam);
        if (!held) {
            captured_ = nullptr;
            if (::GetCapture() == ContainerWindow()) {
                ::ReleaseCapture();
            }
        }
        control.MouseUp(event);
        if (message == WM_LBUTTONUP && over(target)) {
            control.Click();
        }
        break;
    }
    case MouseAction::Move:
    case MouseAction::None:
        control.MouseMove(event);
        break;
    }
    return true;
}

bool Container::ReflectCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    if (from == nullptr) {
        return false;
    }
    for (ControlBase* child : controls_) {
        Control* windowed = child->Windowed();
        if (windowed != nullptr && windowed->Hwnd() == from) {
            windowed->Notified(HIWORD(wParam));
            return true;
        }
    }
    return false;
}

} // namespace lumo
