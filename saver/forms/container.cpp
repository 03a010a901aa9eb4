#include "container.h"

#include "control_base.h"
#include "mouse_event.h"
#include "surface.h"
#include "win32_handles.h"

#include <algorithm>

namespace lumo {

void Container::Release(ControlBase& child) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &child), controls_.end());
    press_.Forget(child);
}

std::vector<const ControlBase*> Container::Graphics() const {
    std::vector<const ControlBase*> graphics;
    for (const ControlBase* child : controls_) {
        if (child->Windowless()) {
            graphics.push_back(child);
        }
    }
    return graphics;
}

void Container::CreateChildren() {
    for (ControlBase* child : controls_) {
        child->CreateWindowIn(ContainerWindow());
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
    const std::vector<const ControlBase*> graphics = Graphics();
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
    for (const ControlBase* g : graphics) {
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

bool Container::TakesMouseAt(const ControlBase& control, POINT at) {
    const RECT bounds = control.PixelRect();
    return control.Windowless() && control.Visible() && control.Enabled() && control.TakesMouse() &&
           ::PtInRect(&bounds, at);
}

bool Container::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!press_.Routes(message)) {
        return false;
    }
    const POINT at = MousePointOf(lParam);
    ControlBase* target = press_.Pressed();
    // The last declared lies on top.
    for (auto it = controls_.rbegin(); it != controls_.rend() && target == nullptr; ++it) {
        target = TakesMouseAt(**it, at) ? *it : nullptr;
    }
    if (target == nullptr) {
        return false;
    }
    const RECT bounds = target->PixelRect();
    press_.Route(*target, ContainerWindow(), message, wParam, lParam,
                 POINT{bounds.left, bounds.top},
                 [target](POINT point) { return TakesMouseAt(*target, point); });
    return true;
}

bool Container::ReflectCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    if (from == nullptr) {
        return false;
    }
    for (ControlBase* child : controls_) {
        if (child->OwnWindow() == from) {
            child->Notified(HIWORD(wParam));
            return true;
        }
    }
    return false;
}

} // namespace lumo
