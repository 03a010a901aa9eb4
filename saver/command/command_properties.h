#pragma once
// The button's public properties and its stored record. Several reads have side effects (they
// redraw the face), and a newly placed button is switched on by the first read of Enabled.
// Platform-free: the values live here and the window is told to show them.

#include "command_state.h"
#include "command_view.h"
#include "font_design.h"
#include "property_bag.h"

#include <cstdint>
#include <string>

namespace lumo {

class CommandProperties {
  public:
    // A new instance: disabled, FirstRun 0, caption "Command" in black, opaque.
    CommandProperties(CommandState& state, CommandView& view, FontDesign surfaceFont);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const FontDesign& Font() const { return font_; }
    void SetFont(const FontDesign& font);
    // The caption's font as it shows now, when it was changed through its font object: kept
    // for the record without marking a change.
    void KeepFont(const FontDesign& font) { font_ = font; }
    std::uint32_t FontColour();
    void SetFontColour(std::uint32_t colour);
    bool Enabled();
    void SetEnabled(bool enabled);
    // 255 shown, 0 hidden (the face's frame and gradient; the caption stays).
    std::uint8_t Visible();
    void SetVisible(std::uint8_t visible);

    void ReadProperties(const PropertyBag& record, const FontDesign& ambientFont);
    void WriteProperties(PropertyBag& record, const FontDesign& ambientFont);
    void ApplyCaptionStyle();

    std::uint8_t FirstRun() const { return firstRun_; }
    std::uint32_t CaptionColour() const { return colour_; }
    bool Opaque() const { return opaque_; }

  private:
    CommandState& state_;
    CommandView& view_;
    // What the caption and the surface show: a value changes only once the window has taken
    // it, so a rejected one (a system colour that does not exist) leaves the old one in force.
    std::string caption_ = "Command";
    FontDesign font_;
    std::uint32_t colour_ = 0;
    std::uint8_t firstRun_ = 0;
    bool opaque_ = true;
};

} // namespace lumo
