#pragma once
// A form: a top-level window made from a design, with its controls, timers and a persistent
// drawing surface. Load creates the window hidden and runs Form_Load; Show displays it modal
// or modeless; Unload runs Form_QueryUnload and Form_Unload and destroys the window. When the
// last loaded form is unloaded the message loop ends, and with it the program.

#include "control.h"
#include "font_design.h"
#include "native_window.h"
#include "picture.h"
#include "surface_container.h"
#include "timer.h"
#include "twips.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lumo {

enum class BorderStyle { None, FixedSingle, Sizable };
enum class ShowMode { Modeless, Modal };
// Why a form is being unloaded, as its QueryUnload and Unload events see it.
enum class UnloadMode { FromControlMenu, FromCode, WindowsSession };

struct FormDesign {
    std::wstring caption;
    BorderStyle border = BorderStyle::Sizable;
    double clientWidth = 4800; // twips
    double clientHeight = 3600;
    std::optional<COLORREF> backColour; // none: the system's button face
    bool controlBox = true;
    bool minButton = false;
    bool maxButton = false;
    bool showInTaskbar = true;
    bool programIcon = true; // the program's icon in the title bar
    lumo::Picture picture;   // lies on the background from the top-left corner
    FontDesign font;         // the ambient font of the user controls on the form
};

class Form : public SurfaceContainer, public NativeWindow, public TimerOwner {
  public:
    explicit Form(FormDesign design);
    ~Form() override;

    void Load();
    // Loads the form if needed and shows it. Modal returns when the form has been unloaded.
    void Show(ShowMode mode = ShowMode::Modeless);
    void Hide();
    void Unload(UnloadMode mode = UnloadMode::FromCode);
    bool IsLoaded() const { return Hwnd() != nullptr && loaded_; }

    // Outer position and size in twips, frame and caption included.
    void Move(double left, double top, double width, double height);
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetCaption(const std::wstring& caption);
    const FormDesign& Design() const { return design_; }

    // Forms loaded in this process.
    static int LoadedCount();

    // The order in which Tab (Shift+Tab backwards) moves the focus between the controls; the
    // first that can take it gets the focus when the form is shown, and the focus comes back to
    // where it was when the form is activated again. Controls without a tab stop, disabled or
    // hidden ones are passed over. Without an order the keys are left to the controls.
    void SetTabOrder(std::vector<Control*> order) { tabOrder_ = std::move(order); }
    // A Tab key press in a form with a tab order moves the focus: true when it did, and the
    // message is then not to be dispatched. The message loop asks before it dispatches (the
    // forms hand it this as its key filter).
    static bool TranslateTabKey(const MSG& msg);

    HWND ContainerWindow() const override { return Hwnd(); }
    Form& ParentForm() override { return *this; }
    HWND ParentFormWindow() const override { return Hwnd(); }
    HWND TimerWindow() const override { return Hwnd(); }

  protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool& /*cancel*/, UnloadMode /*mode*/) {}
    virtual void Form_Unload(bool& /*cancel*/) {}
    virtual void Form_Resize() {}
    // Any other message of the form's window; return true when handled.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT& /*result*/) {
        return false;
    }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WindowGone() override;
    void Resized() override;
    // QueryUnload (unless `ask` is false: it has run already) and Unload, then the window goes.
    void UnloadWith(UnloadMode mode, bool ask);
    // The form is unloaded, by its own unload or by whoever took its window: its timers stop,
    // the window goes (`window`, when it is still there to destroy), and the program ends with
    // the last form.
    void Unloaded(HWND window);
    bool QueryEndSession();
    // Focuses the next control of the tab order after the one holding `from` (the first when
    // none does) that can take the focus.
    void MoveFocus(HWND from, bool backwards);
    DWORD Style() const;
    DWORD ExStyle() const;

    FormDesign design_;
    bool loaded_ = false;       // controls made; events may run
    bool unloading_ = false;    // QueryUnload/Unload running: a second Unload is ignored
    bool sessionAsked_ = false; // QueryUnload agreed to the end of the Windows session
    std::vector<Control*> tabOrder_;
    HWND lastFocus_ = nullptr; // the focused control's window when the form was deactivated
};

} // namespace lumo
