#pragma once
// What the button's deciding logic asks of the window that shows it. The logic decides which
// face, when to raise Click and what the caption looks like; the window does the drawing. Every
// call may fail with an exception (a run-time error), which the logic treats as its step's
// failure.

#include "font_design.h"

#include <cstdint>
#include <string>

namespace lumo {

// The six face pictures. HighLightSelect is the same picture as HighLight.
enum class Face : std::uint8_t { Normal, HighLight, HighLightSelect, Pressed, Disable, Selected };

class CommandView {
  public:
    virtual ~CommandView() = default;

    // Clears the surface, paints the gradient in the given direction, lays the face picture's
    // nine-piece frame over it, refreshes and places the caption.
    virtual void PaintFace(Face face, bool gradientInverted) = 0;
    virtual void RaiseClick() = 0;
    // Enables the hover timer, then sets its interval.
    virtual void StartHoverTimer(unsigned intervalMs) = 0;

    virtual void ShowCaptionEnabled(bool enabled) = 0;
    virtual void ShowCaption(const std::string& caption) = 0;
    virtual void ShowCaptionFont(const FontDesign& font) = 0;
    virtual void ShowCaptionColour(std::uint32_t colour) = 0;
    virtual void ShowOpaque(bool opaque) = 0;
    // Tells the host that a stored property changed.
    virtual void MarkChanged(const std::string& property) = 0;
};

} // namespace lumo
