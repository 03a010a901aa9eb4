#include "user_control.h"

#include "press_tracker.h"

namespace lumo {

UserControl::UserControl(Container& parent, const UserControlDesign& design)
    : Control(parent, design.control), SurfaceContainer(design.backColour, {}, design.font),
      loaded_(design.properties), stored_(design.properties.value_or(PropertyBag{})) {}

const wchar_t* UserControl::ClassName() const {
    RegisterClassOnce(L"LumoUserControl");
    return L"LumoUserControl";
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
    AttachSurface();
    // As the form loads: the stored properties first, then the control learns its size.
    if (loaded_) {
        UserControl_ReadProperties(*loaded_);
    } else {
        UserControl_InitProperties();
    }
    created_ = true;
    UserControl_Resize();
}

void UserControl::Resized() {
    if (created_) {
        UserControl_Resize();
    }
}

void UserControl::PaintBase(HDC target, int x, int y, const RECT& area) const {
    if (backStyle_ == BackStyle::Opaque) {
        Container::PaintBase(target, x, y, area);
        return;
    }
    Parent().PaintBehind(Hwnd(), target, x, y, area);
}

void UserControl::OwnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const MouseEvent event =
        MouseEventOf(message, wParam, lParam, POINT{0, 0}, Picture().GetScaleMode());
    switch (MouseActionOf(message)) {
    case MouseAction::Down:
        PressTracker::HoldMouse(Hwnd(), message, wParam);
        UserControl_MouseDown(event);
        break;
    case MouseAction::Up:
        PressTracker::HoldMouse(Hwnd(), message, wParam);
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
        break;
    case WM_SETFOCUS:
        UserControl_GotFocus();
        return 0;
    case WM_KILLFOCUS:
        UserControl_LostFocus();
        return 0;
    default:
        break;
    }
    if (const auto answer = HandleSurfaceMessage(message, wParam, lParam)) {
        return *answer;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

} // namespace lumo
