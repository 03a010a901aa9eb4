#pragma once
// A label: a caption drawn in a font and colour over its container's persistent picture (a
// transparent background), or over its own back colour. Its window carries the caption as
// window text, so the caption can be read from outside like any other window text.
// Its mouse takes the route of every windowed control (Control::RouteOwnMouse).

#include "control.h"
#include "font_design.h"
#include "win32_handles.h"

#include <optional>
#include <string>

namespace lumo {

enum class TextAlign { Left, Centre, Right };

struct LabelDesign {
    ControlDesign control;
    std::wstring caption;
    FontDesign font;
    COLORREF foreColour = RGB(0, 0, 0);
    std::optional<COLORREF> backColour; // none: transparent
    TextAlign align = TextAlign::Left;
    bool wordWrap = true;
    // The mouse pointer over the label; none: the arrow. The application-wide wait pointer
    // still wins over it.
    HCURSOR mouseIcon = nullptr;
};

class Label : public Control {
  public:
    Label(Container& parent, const LabelDesign& design);

    void SetCaption(const std::wstring& caption);
    const std::wstring& Caption() const { return design_.caption; }
    void SetForeColour(COLORREF colour);

  protected:
    const wchar_t* ClassName() const override;
    std::wstring InitialText() const override { return design_.caption; }
    void Created() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Static text named by its caption; a label the form named (for what it shows: a path, a
    // number) gives its caption as the value.
    AccessibleFacts KindAccessible() const override;

  private:
    void Paint(HDC dc);

    LabelDesign design_;
    win::GdiObject<HFONT> font_;
};

// A font made from its design at the screen's DPI.
HFONT CreateDesignFont(const FontDesign& font);

// Draws a label's caption into `box` of `dc` (the background is the caller's), in the
// platform's grey when disabled.
void DrawLabelText(HDC dc, const RECT& box, const LabelDesign& design, HFONT font, bool enabled);

} // namespace lumo
