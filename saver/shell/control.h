#pragma once
// Controls and their containers. A control is a small object that a form (or a picture box on
// it) owns as a member; it gets its window when the form loads and loses it when the form's
// window goes. Geometry is in twips, relative to the container's inner area.

#include <windows.h>

#include <string>
#include <vector>

namespace lumo {

class Control;
class Form;
class Surface;

class Container {
  public:
    virtual ~Container() = default;
    virtual HWND ContainerWindow() const = 0;
    virtual Form& ParentForm() = 0;
    // The persistent image transparent children show through, or null.
    virtual const Surface* Background() const { return nullptr; }

    const std::vector<Control*>& Children() const { return children_; }

  protected:
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    // Gives every child its window, in the order they were declared.
    void CreateChildren();

  private:
    friend class Control;
    std::vector<Control*> children_;
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
    // Messages of the control's own window; the default leaves them to the system.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Registers a window class whose procedure routes to HandleMessage; once per name.
    static void RegisterClassOnce(const char* name, HBRUSH background = nullptr);

  private:
    friend class Container;
    void Create(HWND parentWindow);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    Container& parent_;
    ControlDesign design_;
    HWND hwnd_ = nullptr;
};

} // namespace lumo
