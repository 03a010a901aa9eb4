#include "user_control.h"

#include "form.h"

namespace lumo {

UserControl::UserControl(Container& parent, const UserControlDesign& design)
    : Control(parent, design.control), font_(design.font), loaded_(design.properties),
      stored_(design.properties.value_or(PropertyBag{})) {
    picture_.SetBackColour(design.backColour.value_or(::GetSysColor(COLOR_BTNFACE)));
}

const char* UserControl::ClassName() const {
    RegisterClassOnce("LumoUserControl");
    return "LumoUserControl";
}

HWND UserControl::ParentFormWindow() const {
    return Parent().ParentForm().Hwnd();
}

void UserControl::SetBackStyle(BackStyle style) {
    backStyle_ = style;
    if (Hwnd() != nullptr) {
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

void UserControl::SaveProperties() {
    PropertyBag fresh;
    UserControl_WriteProperties(fresh);
    stored_ = std::move(fresh);
    changed_.clear();
}

void UserControl::PropertyChanged(const std::string& name) {
    changed_.insert(name);
    if (OnPropertyChanged) {
        OnPropertyChanged(name);
    }
}

void UserControl::Created() {
    picture_.SetOwner(Hwnd());
    ResizeSurfaceToClient();
    picture_.Clear();
    CreateChildren();
    // As the form loads: the stored properties first, then the control learns its size.
    if (loaded_) {
        UserControl_ReadProperties(*loaded_);
    } else {
        UserControl_InitProperties();
    }
    created_ = true;
    UserControl_Resize();
}

void UserControl::ResizeSurfaceToClient() {
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    picture_.Resize(client.right - client.left, client.bottom - client.top);
}

void UserControl::PaintBase(HDC target, int x, int y, const RECT& area) const {
    if (backStyle_ == BackStyle::Opaque) {
        Container::PaintBase(target, x, y, area);
        return;
    }
    POINT origin{0, 0};
    ::MapWindowPoints(Hwnd(), Parent().ContainerWindow(), &origin, 1);
    Parent().PaintArea(target, x, y,
                       RECT{area.left + origin.x, area.top + origin.y, area.right + origin.x,
                            area.bottom + origin.y});
}

void UserControl::OwnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const MouseEvent event =
        MouseEventOf(message, wParam, lParam, POINT{0, 0}, picture_.GetScaleMode());
    switch (MouseActionOf(message)) {
    case MouseAction::Down:
        // Pressed, the control keeps the mouse until the last button is released, so that the
        // release reaches it wherever it happens.
        ::SetCapture(Hwnd());
        UserControl_MouseDown(event);
        break;
    case MouseAction::Up:
        if (!AnyButtonHeld(message, wParam) && ::GetCapture() == Hwnd()) {
            ::ReleaseCapture();
        }
        UserControl_MouseUp(event);
        break;
    case MouseAction::Move:
        UserControl_MouseMove(event);
        break;
    case MouseAction::None:
        break;
    }
}

LRESULT UserControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const MouseAction action = MouseActionOf(message);
    if (action == MouseAction::Down && ::GetFocus() != Hwnd()) {
        ::SetFocus(Hwnd()); // a press gives the control the focus, before its MouseDown
    }
    if (action != MouseAction::None || message == WM_CAPTURECHANGED) {
        if (!RouteMouse(message, wParam, lParam) && action != MouseAction::None) {
            OwnMouse(message, wParam, lParam);
        }
        return 0;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        // A Paint handler that refreshes the surface repaints the window at once, which must
        // not raise Paint again.
        if (!painting_) {
            painting_ = true;
            try {
                UserControl_Paint();
            } catch (...) {
                painting_ = false;
                throw;
            }
            painting_ = false;
        }
        PaintWindow();
        return 0;
    case WM_SIZE:
        ResizeSurfaceToClient();
        if (created_) {
            UserControl_Resize();
        }
        return 0;
    case WM_SETFOCUS:
        UserControl_GotFocus();
        return 0;
    case WM_KILLFOCUS:
        UserControl_LostFocus();
        return 0;
    case WM_COMMAND:
        if (ReflectCommand(wParam, lParam)) {
            return 0;
        }
        break;
    case WM_DESTROY:
        picture_.SetOwner(nullptr);
        break;
    default:
        break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

} // namespace lumo
