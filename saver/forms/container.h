#pragma once
// A container of controls: a form, a picture box or a user control. It shows three layers,
// bottom to top: its persistent image, its windowless controls (images, lines, shapes,
// windowless labels) in the order they were declared, and its windowed controls. Windowed
// children with a transparent background show the two layers beneath them.

#include "font_design.h"
#include "press_tracker.h"

#include <windows.h>

#include <vector>

namespace lumo {

class ControlBase;
class Form;
class Surface;

class Container {
  public:
    virtual ~Container() = default;
    virtual HWND ContainerWindow() const = 0;
    virtual Form& ParentForm() = 0;
    // The window of that form.
    virtual HWND ParentFormWindow() const = 0;
    // The persistent image transparent children show through, or null.
    virtual const Surface* Background() const { return nullptr; }
    // The container's font, which the user controls placed in it take as their ambient font.
    virtual const FontDesign& ContainerFont() const;

    // Every control, windowed or not, in the order they were declared.
    const std::vector<ControlBase*>& Children() const { return controls_; }
    // A control joins its container once it is made, and leaves it as it goes: the two kinds of
    // control (Control, GraphicControl) see to it.
    void Adopt(ControlBase& child) { controls_.push_back(&child); }
    void Release(ControlBase& child);

    // Draws a rectangle of the inner area (pixels) as it shows under the windowed children,
    // persistent image and windowless controls, into `target` with its corner at (x, y).
    void PaintArea(HDC target, int x, int y, const RECT& area) const;
    // The same for a rectangle of a child window's client area: what lies behind the child.
    void PaintBehind(HWND child, HDC target, int x, int y, const RECT& area) const;
    // Repaints a rectangle of the inner area (pixels) and the windowed children over it.
    void Invalidate(const RECT& area) const;

  protected:
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    // Gives every windowed child its window, in the order they were declared.
    void CreateChildren();
    // The bottom layer of PaintArea; the default copies Background().
    virtual void PaintBase(HDC target, int x, int y, const RECT& area) const;
    // WM_PAINT of the container's window.
    void PaintWindow() const;
    // A mouse message of the container's window, handed to the windowless control under the
    // mouse (or the one that holds the capture); true when one took it.
    bool RouteMouse(UINT message, WPARAM wParam, LPARAM lParam);
    // A WM_COMMAND from a child window, handed to the control it comes from; true when found.
    bool ReflectCommand(WPARAM wParam, LPARAM lParam);

  private:
    // The windowless controls, bottom to top.
    std::vector<const ControlBase*> Graphics() const;
    // Whether a point (pixels of the inner area) lies over a windowless control that takes the
    // mouse now.
    static bool TakesMouseAt(const ControlBase& control, POINT at);

    std::vector<ControlBase*> controls_; // in the order they were declared
    PressTracker press_;                 // of the windowless controls
};

} // namespace lumo
