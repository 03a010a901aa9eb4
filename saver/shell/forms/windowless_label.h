#pragma once
// A windowless label: a caption its container draws over what lies beneath it, with no window
// of its own, so the mouse over it counts as being over the container (a user control's caption
// is one: the control's window stays the window under the cursor). Its mouse events are its
// own; a disabled one lets them through to the container and shows its text in grey.

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
    void SetFont(const FontDesign& font);
    const FontDesign& Font() const { return design_.font; }

  protected:
    void Draw(HDC dc) const override;
    bool TakesMouse() const override { return true; }

  private:
    LabelDesign design_;
    win::GdiObject<HFONT> font_;
};

} // namespace lumo
