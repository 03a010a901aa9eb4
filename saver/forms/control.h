#pragma once
// A windowed control. A control is a small object that a form (or a picture box on it) owns as
// a member; it gets its window when the form loads and loses it when the form's window goes.
// Geometry is in twips, relative to the container's inner area.

#include "accessible_anchor.h"
#include "container.h"
#include "control_base.h"
#include "native_window.h"
#include "press_tracker.h"

#include <windows.h>

#include <string>

namespace lumo {

class Control : public ControlBase, public NativeWindow {
  public:
    ~Control() override;

    bool Windowless() const override { return false; }
    HWND OwnWindow() const override { return Hwnd(); }
    // Makes the window, unless the control has one.
    void CreateWindowIn(HWND containerWindow) override;
    void NotifyAccessible(DWORD event) override;

  protected:
    Control(Container& parent, const ControlDesign& design);

    // The window class and styles of the control's window.
    virtual const wchar_t* ClassName() const = 0;
    virtual DWORD Style() const { return 0; }
    virtual DWORD ExStyle() const { return 0; }
    virtual std::wstring InitialText() const { return {}; }
    // Runs once the window exists (and before the form's load event).
    virtual void Created() {}
    // The window's height for a design height, both in pixels (a drop-down box adds its list).
    virtual int WindowHeight(int designHeight) const { return designHeight; }

    void ShowPlace(const RECT& before) override;
    void ShowVisible() override;
    void ShowEnabled() override;

    // The control's own mouse, routed as a container routes its windowless controls'
    // (press_tracker.h). True when the message was the mouse's and has been handled.
    bool RouteOwnMouse(UINT message, WPARAM wParam, LPARAM lParam);

    // A screen reader's questions (accessible_object.h) come here; the kinds pass on what they
    // do not handle themselves.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WindowGone() override { accessible_.Cut(); }
    // A client area with no role of its own, named as the form named it.
    AccessibleFacts KindAccessible() const override;

  private:
    RECT WindowRect() const;

    PressTracker press_;
    AccessibleAnchor accessible_;
};

} // namespace lumo
