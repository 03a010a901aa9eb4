#pragma once
// What every control has, windowed or not: its place in its container's inner area (twips), its
// visibility and enabled flags, its index in a control array and its mouse events. Whether it
// has a window of its own is an attribute of the kind (Control has one, GraphicControl not): the
// container and screen readers ask the kind through the virtuals below, never by casting.

#include "accessible_facts.h"
#include "mouse_event.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace lumo {

class Container;

// Where a control stands in its design; -1 as index means "not in a control array".
struct ControlDesign {
    double left = 0;
    double top = 0;
    double width = 1200;
    double height = 600;
    bool visible = true;
    bool enabled = true;
    int index = -1;
};

class ControlBase {
  public:
    ControlBase(const ControlBase&) = delete;
    ControlBase& operator=(const ControlBase&) = delete;
    virtual ~ControlBase();

    Container& Parent() const { return parent_; }
    int Index() const { return design_.index; }

    void Move(double left, double top, double width, double height);
    double Left() const { return design_.left; }
    double Top() const { return design_.top; }
    double Width() const { return design_.width; }
    double Height() const { return design_.height; }
    void SetVisible(bool visible);
    bool Visible() const { return design_.visible; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return design_.enabled; }

    // Its place in the container's inner area, in pixels.
    RECT PixelRect() const;

    // Handlers the form sets; a control array binds them with the element's index. Positions
    // are twips from the control's corner; Click follows a left press released over the control.
    std::function<void(const MouseEvent&)> OnMouseDown;
    std::function<void(const MouseEvent&)> OnMouseUp;
    std::function<void(const MouseEvent&)> OnMouseMove;
    std::function<void()> OnClick;

    // What its container asks of it. A windowless control is drawn by its container and takes
    // the mouse through it; a windowed one has a window of its own, made in the container's
    // window and reporting to it.
    virtual bool Windowless() const = 0;
    // The control's own window: none for a windowless control, nor for a windowed one until its
    // container has had it made.
    virtual HWND OwnWindow() const { return nullptr; }
    virtual void CreateWindowIn(HWND /*containerWindow*/) {}
    // Draws a windowless control into a device context in the container's pixel coordinates.
    virtual void Draw(HDC /*dc*/) const {}
    // Whether mouse messages over a windowless control are its own.
    virtual bool TakesMouse() const { return false; }
    // A notification the control's window sent its container (WM_COMMAND).
    virtual void Notified(WORD /*code*/) {}

    // What a screen reader is told of the control: its kind's answer, with the role, states and
    // default action the form gave it. A windowless control is shown once it has a role.
    AccessibleFacts Accessible() const;
    // The form's own words for the control, as its design gives a caption.
    void SetAccessibleName(std::wstring name);
    void SetAccessibleRole(long role);
    // States the kind cannot know (checked, read-only, linked). Quiet: the form tells screen
    // readers with NotifyAccessible when a change means something to them.
    void SetAccessibleState(long state);
    // Names the default action and what it does; without an action, it raises Click.
    void SetAccessibleAction(std::wstring name, std::function<void()> action = {});
    // The default action, run for a screen reader: false when there is none or the control is
    // disabled.
    virtual bool DoDefaultAction();
    // Tells screen readers that the control changed (a WinEvent such as
    // EVENT_OBJECT_STATECHANGE); a disabled or enabled control tells them itself.
    virtual void NotifyAccessible(DWORD event) = 0;

  protected:
    // The kind joins its container's controls once it is made and leaves them as it goes
    // (Container::Adopt, Container::Release).
    ControlBase(Container& parent, const ControlDesign& design);

    // The change of place, visibility or the enabled flag is to be shown; `before` is the place
    // that was left.
    virtual void ShowPlace(const RECT& before) = 0;
    virtual void ShowVisible() = 0;
    virtual void ShowEnabled() = 0;

    // The events; the defaults call the handlers above.
    virtual void MouseDown(const MouseEvent& event);
    virtual void MouseUp(const MouseEvent& event);
    virtual void MouseMove(const MouseEvent& event);
    virtual void Click();

    // The kind's answer to a screen reader, which may use the name the form gave; by default
    // that name and nothing more.
    virtual AccessibleFacts KindAccessible() const;
    const std::optional<std::wstring>& GivenAccessibleName() const { return accessible_.name; }

  private:
    // A press is routed by one tracker, for a container's windowless controls and for a windowed
    // control's own mouse alike: it raises the events above.
    friend class PressTracker;

    struct AccessibleWords {
        std::optional<std::wstring> name;
        long role = 0;
        long state = 0;
        std::wstring actionName;
        std::function<void()> action;
    };

    Container& parent_;
    ControlDesign design_;
    AccessibleWords accessible_;
};

} // namespace lumo
