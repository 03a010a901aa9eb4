#pragma once
// The button's face state machine: which face follows the mouse, the focus, the left button and
// the enabled flag, and when a release raises Click. Platform-free; the window feeds it its
// events and draws what it asks for through CommandView.

#include "command_view.h"

#include <cstdint>

namespace lumo {

class CommandState {
  public:
    // FaceState values.
    static constexpr std::uint8_t kNotStarted = 0;
    static constexpr std::uint8_t kIdle = 1;
    static constexpr std::uint8_t kHover = 2;
    static constexpr std::uint8_t kFocused = 3;
    static constexpr std::uint8_t kFocusedHover = 4;
    static constexpr unsigned kHoverIntervalMs = 100;
    static constexpr int kLeftButton = 1;

    explicit CommandState(CommandView& view) : view_(view) {}

    // Starts hover tracking: state 1 and the 100 ms timer.
    void Initialize();

    // The control's events. Buttons as the form runtime numbers them (1 left, 2 right, 4 middle).
    void GotFocus();
    void LostFocus();
    void MouseDown(int button);
    void MouseMove();
    void MouseUp(int button);
    // A hover-timer tick; `cursorOnOwnWindow` tells whether the window under the cursor is the
    // button's own (its caption has no window, so it counts as the button).
    void Tick(bool cursorOnOwnWindow);
    void Resize();

    void EndHover();
    void ShowEnabledState();
    void DrawFace(Face face);

    std::uint8_t FaceState() const { return faceState_; }
    bool MouseIsDown() const { return mouseIsDown_; }
    bool IsEnabled() const { return isEnabled_; }
    void SetIsEnabled(bool enabled) { isEnabled_ = enabled; }
    bool GradientInverted() const { return gradientInverted_; }

  private:
    CommandView& view_;
    std::uint8_t faceState_ = kNotStarted;
    bool mouseIsDown_ = false;
    bool isEnabled_ = false;
    bool gradientInverted_ = false;
};

} // namespace lumo
