#pragma once
// The Command button: a push button that draws its own rounded, themed face. It follows the
// mouse, the focus, the left button and its enabled flag, tracks the cursor with a 100 ms timer
// (the host calls Initialize to start it) and raises Click when a button is released over it,
// unless the press was dragged off and the cursor had left it. Its properties come from the
// record the host form's design stores for it.

#include "command_properties.h"
#include "command_state.h"
#include "command_view.h"
#include "timer.h"
#include "user_control.h"
#include "windowless_label.h"

#include <cstdint>
#include <string>

namespace lumo {

class Command : public UserControl, private CommandView {
  public:
    // design.properties holds the stored record (for the dialog's buttons: "caption", "font").
    Command(Container& parent, const UserControlDesign& design);
    ~Command() override;

    // Starts hover tracking: call once for every button while its form loads.
    void Initialize();

    // The stored properties. The button keeps its window enabled and shown: its own Enabled and
    // Visible are these, under names apart from the control's window flags. Click is OnClick.
    bool ButtonEnabled(); // may draw (a read has side effects)
    void SetButtonEnabled(bool enabled);
    std::wstring Caption() const;
    // A caption with no code page 932 form cannot be stored and is refused (a run-time error).
    void SetCaption(const std::wstring& caption);
    // The caption's own font object: a change made through it is the caption's at once (and is
    // stored when the design is saved; it marks nothing changed).
    FontObject& Font() { return LblMsg.Font(); }
    const FontObject& Font() const { return LblMsg.Font(); }
    void SetFont(const FontDesign& font);
    std::uint32_t FontColour(); // 0x00BBGGRR, or a system colour with the high bit set
    void SetFontColour(std::uint32_t colour);
    std::uint8_t FaceVisible(); // 255: face shown, 0: only the caption
    void SetFaceVisible(std::uint8_t visible);

    // For tests and the host: what the face shows.
    std::uint8_t FaceState() const { return state_.FaceState(); }
    bool MouseIsDown() const { return state_.MouseIsDown(); }
    bool GradientInverted() const { return state_.GradientInverted(); }
    std::uint8_t FirstRun() const { return properties_.FirstRun(); }

    // A screen reader's press: Click, as a click raises it (command_accessible.cpp).
    bool DoDefaultAction() override;

  protected:
    void UserControl_ReadProperties(const PropertyBag& record) override;
    void UserControl_WriteProperties(PropertyBag& record) override;
    void UserControl_Resize() override;
    void UserControl_MouseDown(const MouseEvent& event) override;
    void UserControl_MouseUp(const MouseEvent& event) override;
    void UserControl_MouseMove(const MouseEvent& event) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;

    // What a screen reader is told (command_accessible.cpp).
    AccessibleFacts KindAccessible() const override;

  private:
    // CommandView
    void PaintFace(Face face, bool gradientInverted) override;
    void RaiseClick() override;
    void StartHoverTimer(unsigned intervalMs) override;
    void ShowCaptionEnabled(bool enabled) override;
    void ShowCaption(const std::string& caption) override;
    void ShowCaptionFont(const FontDesign& font) override;
    void ShowCaptionColour(std::uint32_t colour) override;
    void ShowOpaque(bool opaque) override;
    void MarkChanged(const std::string& property) override;

    void PaintGradient(bool inverted);
    void TmrMouse_Timer();

    CommandState state_;
    CommandProperties properties_;

  public:
    // The caption (windowless: the mouse over it counts as over the button) and the hover timer.
    WindowlessLabel LblMsg;
    Timer TmrMouse;
};

} // namespace lumo
