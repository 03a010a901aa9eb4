#pragma once
// A windowless control: it has no window of its own and is drawn by its container between the
// container's persistent image and its windowed controls, so it never hides what is drawn over
// it there and never covers a windowed control. The container hands it the mouse messages that
// fall on it (images and labels take them; lines and shapes let them through).

#include "control.h"
#include "mouse_event.h"

#include <windows.h>

#include <functional>

namespace lumo {

class GraphicControl {
  public:
    GraphicControl(const GraphicControl&) = delete;
    GraphicControl& operator=(const GraphicControl&) = delete;
    virtual ~GraphicControl();

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

    // Handlers the form sets; a control array binds them with the element's index.
    std::function<void(const MouseEvent&)> OnMouseDown;
    std::function<void(const MouseEvent&)> OnMouseUp;
    std::function<void(const MouseEvent&)> OnMouseMove;
    std::function<void()> OnClick;

  protected:
    GraphicControl(Container& parent, const ControlDesign& design);

    // Draws the control into a device context in the container's pixel coordinates.
    virtual void Draw(HDC dc) const = 0;
    // Whether mouse messages over the control are its own.
    virtual bool TakesMouse() const { return false; }

    // The events; the defaults call the handlers above. Positions are twips from the control's
    // corner. Click follows a left-button release over the control that was pressed.
    virtual void MouseDown(const MouseEvent& event);
    virtual void MouseUp(const MouseEvent& event);
    virtual void MouseMove(const MouseEvent& event);
    virtual void Click();

    // Shows a change of the control's look.
    void Repaint() const;
    // Bounds for controls whose place is not a rectangle of the design (a line's ends).
    void SetBounds(double left, double top, double width, double height);

  private:
    friend class Container;

    Container& parent_;
    ControlDesign design_;
};

} // namespace lumo
