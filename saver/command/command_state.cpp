#include "command_state.h"

#include "skip_on_error.h"

namespace lumo {

void CommandState::Initialize() {
    faceState_ = kIdle;
    SkipOnError([&] { view_.StartHoverTimer(kHoverIntervalMs); });
}

void CommandState::DrawFace(Face face) {
    // The gradient follows the state, not the picture: hovered states show it upside down.
    // States 0 and 4 are fixed too (0 as idle, 4 as hovered), so the look of state 4 does not
    // depend on the way it was reached.
    gradientInverted_ = faceState_ == kHover || faceState_ == kFocusedHover;
    SkipOnError([&] { view_.PaintFace(face, gradientInverted_); });
}

void CommandState::GotFocus() {
    if (!isEnabled_) {
        return;
    }
    if (faceState_ != kHover) {
        faceState_ = kFocused;
        DrawFace(Face::Selected);
    } else {
        faceState_ = kFocusedHover;
        DrawFace(Face::Pressed);
    }
}

void CommandState::LostFocus() {
    if (!isEnabled_) {
        return;
    }
    if (faceState_ != kIdle) {
        faceState_ = kIdle;
        DrawFace(Face::Normal);
    }
}

void CommandState::MouseDown(int button) {
    if (!isEnabled_) {
        return;
    }
    if (button == kLeftButton) {
        mouseIsDown_ = true;
        DrawFace(Face::Pressed);
    }
}

void CommandState::MouseMove() {
    if (!isEnabled_) {
        return;
    }
    if (faceState_ == kIdle) {
        faceState_ = kHover;
        DrawFace(Face::HighLight);
    } else if (faceState_ == kFocused && !mouseIsDown_) {
        faceState_ = kFocusedHover;
        DrawFace(Face::HighLightSelect);
    }
}

void CommandState::MouseUp(int button) {
    if (!isEnabled_) {
        return;
    }
    if (button == kLeftButton) {
        mouseIsDown_ = false;
        if (faceState_ == kHover) {
            DrawFace(Face::Normal);
        } else if (faceState_ == kFocusedHover) {
            DrawFace(Face::HighLightSelect);
        }
    }
    // Focused with the cursor gone: the press was dragged off and the timer saw it leave.
    if (faceState_ != kFocused) {
        SkipOnError([&] { view_.RaiseClick(); });
    }
}

void CommandState::Tick(bool cursorOnOwnWindow) {
    if (!cursorOnOwnWindow) {
        EndHover();
    }
}

void CommandState::EndHover() {
    if (!isEnabled_) {
        return;
    }
    if (faceState_ == kHover) {
        faceState_ = kIdle;
        DrawFace(Face::Normal);
    } else if (faceState_ == kFocusedHover) {
        faceState_ = kFocused;
        DrawFace(Face::Selected);
    }
}

void CommandState::Resize() {
    ShowEnabledState();
}

void CommandState::ShowEnabledState() {
    if (isEnabled_) {
        DrawFace(Face::Normal);
        SkipOnError([&] { view_.ShowCaptionEnabled(true); });
    } else {
        DrawFace(Face::Disable);
        SkipOnError([&] { view_.ShowCaptionEnabled(false); });
    }
}

} // namespace lumo
