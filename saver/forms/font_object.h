#pragma once
// A font as an object that a control shows, as the form runtime hands out its font objects: the
// control gives out the object itself, so a change made through it is at once the control's
// own font.

#include "font_design.h"

#include <functional>
#include <utility>

namespace lumo {

class FontObject {
  public:
    explicit FontObject(FontDesign design) : design_(std::move(design)) {}
    FontObject(const FontObject&) = delete;
    FontObject& operator=(const FontObject&) = delete;

    const FontDesign& Design() const { return design_; }
    // Replaces the whole font, or changes a part of it (face, size, weight, styles).
    void Set(const FontDesign& design) {
        Change([&](FontDesign& font) { font = design; });
    }
    template <class Edit> void Change(Edit edit) {
        edit(design_);
        if (onChange_) {
            onChange_();
        }
    }

  private:
    friend class WindowlessLabel;
    FontDesign design_;
    std::function<void()> onChange_; // the control showing the font
};

} // namespace lumo
