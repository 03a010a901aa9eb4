#pragma once
// The object a screen reader gets from one of our windowed controls (WM_GETOBJECT for
// OBJID_CLIENT), in this process or, through the system, from another. It answers from the
// control's facts (ControlBase::Accessible) and from what its window says (disabled, hidden,
// focused, where it stands).
//
// A container's object also stands for its children, numbered 1, 2, ... in the order they were
// declared: a windowed child is handed over as its own window's object, and a windowless one,
// which has no window to be asked, is a simple element of the container's object, with its own
// place, hit testing and navigation. Only windowless controls given a role are shown.
//
// A screen reader may hold the object as long as it likes: once the control's window has gone,
// every question is answered CO_E_OBJNOTCONNECTED. A default action is posted to the window and
// runs from the message loop as a click does, so the screen reader never waits on what it does
// (a message box, the window's close), and it runs only if the control can still take it then.

#include <windows.h>

#include <vector>

namespace lumo {

class Container;
class Control;
class ControlBase;

// The children a container shows to screen readers, in the order of their child ids (the
// place + 1): its windowed controls that have a window and its windowless controls with a role.
std::vector<ControlBase*> AccessibleChildrenOf(const Container& container);

// Raises a WinEvent for a control: for its own window, or for its place among its windowed
// container's children.
void NotifyAccessibleEvent(ControlBase& control, DWORD event);

// An inner window of a system class's control (a drop-down box's text field, where its focus
// lies) answers screen readers with the object of the control it is part of.
void AnswerAsParent(HWND part);

// A windowed control's one accessible object: made when a screen reader first asks for it,
// cut off when the window goes.
class AccessibleAnchor {
  public:
    AccessibleAnchor() = default;
    AccessibleAnchor(const AccessibleAnchor&) = delete;
    AccessibleAnchor& operator=(const AccessibleAnchor&) = delete;
    ~AccessibleAnchor() { Cut(); }

    // The answer to WM_GETOBJECT for OBJID_CLIENT; 0 leaves the message to the system.
    LRESULT Answer(Control& control, WPARAM wParam);
    void Cut();

    // The message a default action comes with, and what it does once it arrives: wParam names
    // the control, which is run only when it is still this one or a windowless child of it.
    static UINT ActionMessage();
    static void RunAction(Control& control, WPARAM wParam);

  private:
    class Object;
    Object* object_ = nullptr;
};

} // namespace lumo
