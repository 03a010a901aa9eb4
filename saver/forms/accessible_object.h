#pragma once
// The object a screen reader gets for one of our windowed controls, in this process or, through
// the system, from another. It answers from the control's facts (ControlBase::Accessible) and
// from what its window says (disabled, hidden, focused, where it stands).
//
// A container's object also stands for its children, numbered 1, 2, ... in the order they were
// declared: a windowed child is handed over as its own window's object, and a windowless one,
// which has no window to be asked, is a simple element of the container's object, with its own
// place, hit testing and navigation. Only windowless controls given a role are shown.
//
// A screen reader may hold the object as long as it likes: once it is cut off (its control's
// window has gone), every question is answered CO_E_OBJNOTCONNECTED. No failure leaves its
// methods. A default action is posted to the window (AccessibleActionMessage) rather than run
// at once, so the screen reader never waits on what it does (a message box, the window's close).

#include <windows.h>

#include <vector>

struct IAccessible;

namespace lumo {

class Container;
class ControlBase;

// Spelled here: with the runtime linked statically, the import library's IID_IAccessible is a
// data import that reads as garbage.
inline constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// A new object for a windowed control, with one reference (the caller's).
IAccessible* MakeAccessibleObject(ControlBase& control);
// Cuts an object made by MakeAccessibleObject off its control.
void CutAccessibleObject(IAccessible* object);

// The children a container shows to screen readers, in the order of their child ids (the
// place + 1): its windowed controls that have a window and its windowless controls with a role.
std::vector<ControlBase*> AccessibleChildrenOf(const Container& container);

// The message a default action is posted with; wParam names the control.
UINT AccessibleActionMessage();

} // namespace lumo
