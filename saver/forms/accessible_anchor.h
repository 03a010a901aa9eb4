#pragma once
// Where our windows meet screen readers: a windowed control's one accessible object
// (accessible_object.h), made when a screen reader first asks for it and cut off when the window
// goes; the WinEvents that announce a change; and the default actions once they arrive.

#include <windows.h>

struct IAccessible;

namespace lumo {

class ControlBase;

class AccessibleAnchor {
  public:
    AccessibleAnchor() = default;
    AccessibleAnchor(const AccessibleAnchor&) = delete;
    AccessibleAnchor& operator=(const AccessibleAnchor&) = delete;
    ~AccessibleAnchor() { Cut(); }

    // The answer to WM_GETOBJECT for OBJID_CLIENT of a windowed control; 0 leaves the message
    // to the system.
    LRESULT Answer(ControlBase& control, WPARAM wParam);
    void Cut();

    // A default action has arrived (AccessibleActionMessage): wParam names the control, which
    // runs only when it is still this one or a windowless child of it, and only if it can take
    // the action now.
    static void RunAction(ControlBase& control, WPARAM wParam);

  private:
    IAccessible* object_ = nullptr;
};

// Raises a WinEvent for a control: for its own window, or for its place among its windowed
// container's children.
void NotifyAccessibleEvent(ControlBase& control, DWORD event);

// An inner window of a system class's control (a drop-down box's text field, where its focus
// lies) answers screen readers with the object of the control it is part of.
void AnswerAsParent(HWND part);

} // namespace lumo
