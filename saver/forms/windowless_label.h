#pragma once
// A windowless label: a caption its container draws over what lies beneath it, with no window
// of its own, so the mouse over it counts as being over the container (a user control's caption
// is one: the control's window stays the window under the cursor). Its mouse events are its
// own; a disabled one lets them through to the container and shows its text in grey.

#include "font_object.h"
#include "graphic_control.h"
#include "label.h"

namespace lumo {

class WindowlessLabel : public GraphicControl {
  public:
    WindowlessLabel(Container& parent, const LabelDesign& design);

    void SetCaption(const std::wstring& caption);
    const std::wstring& Caption() const { return design_.caption; }
    void SetForeColour(COLORREF colour);
    COLORREF ForeColour() const { return design_.foreColour; }
    // The label's font object: a change made through it shows at once.
    FontObject& Font() { return font_; }
    const FontObject& Font() const { return font_; }

  protected:
    void Draw(HDC dc) const override;
    bool TakesMouse() const override { return true; }

  private:
    void FontChanged();

    LabelDesign design_;
    FontObject font_;
    win::GdiObject<HFONT> shownFont_;
};

} // namespace lumo
