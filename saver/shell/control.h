#pragma once
// Controls and their containers. A control is a small object that a form (or a picture box on
// it) owns as a member; it gets its window when the form loads and loses it when the form's
// window goes. Geometry is in twips, relative to the container's inner area.
//
// A container shows three layers, bottom to top: its persistent image, its windowless controls
// (images, lines, shapes, windowless labels) in the order they were declared, and its windowed
// controls. Windowed children with a transparent background show the two layers beneath them.

#include "font_design.h"

#include <windows.h>

#include <string>
#include <vector>

namespace lumo {

class Control;
class Form;
class GraphicControl;
class Surface;

class Container {
  public:
    virtual ~Container() = default;
    virtual HWND ContainerWindow() const = 0;
    virtual Form& ParentForm() = 0;
    // The persistent image transparent children show through, or null.
    virtual const Surface* Background() const { return nullptr; }
    // The container's font, which the user controls placed in it take as their ambient font.
    virtual const FontDesign& Font() const;

    const std::vector<Control*>& Children() const { return children_; }
    const std::vector<GraphicControl*>& Graphics() const { return graphics_; }

    // Draws a rectangle of the inner area (pixels) as it shows under the windowed children,
    // persistent image and windowless controls, into `target` with its corner at (x, y).
    void PaintArea(HDC target, int x, int y, const RECT& area) const;
    // Repaints a rectangle of the inner area (pixels) and the windowed children over it.
    void Invalidate(const RECT& area) const;

  protected:
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    // Gives every child its window, in the order they were declared.
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
    friend class Control;
    friend class GraphicControl;
    std::vector<Control*> children_;
    std::vector<GraphicControl*> graphics_;
    GraphicControl* captured_ = nullptr; // pressed, and gets the moves and the release
};

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

class Control {
  public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND Hwnd() const { return hwnd_; }
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

  protected:
    Control(Container& parent, const ControlDesign& design);

    // The window class and styles of the control's window.
    virtual const char* ClassName() const = 0;
    virtual DWORD Style() const { return 0; }
    virtual DWORD ExStyle() const { return 0; }
    virtual std::string InitialText() const { return {}; }
    // Runs once the window exists (and before the form's load event).
    virtual void Created() {}
    // Messages of the control's own window; the default leaves them to the system (or, for a
    // control made from a system class, to that class's own procedure).
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification the control's window sent its container (WM_COMMAND).
    virtual void Notified(WORD /*code*/) {}
    // The window's height for a design height, both in pixels (a drop-down box adds its list).
    virtual int WindowHeight(int designHeight) const { return designHeight; }

    // Registers a window class whose procedure routes to HandleMessage; once per name.
    static void RegisterClassOnce(const char* name, HBRUSH background = nullptr);

  private:
    friend class Container;
    void Create(HWND parentWindow);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallBase(UINT message, WPARAM wParam, LPARAM lParam);

    Container& parent_;
    ControlDesign design_;
    HWND hwnd_ = nullptr;
    WNDPROC baseProc_ = nullptr; // a system class's procedure, when the window is one of theirs
};

} // namespace lumo
