#pragma once
// A label: a caption drawn in a font and colour over its container's persistent picture (a
// transparent background), or over its own back colour. Its window carries the caption as
// window text, so the caption can be read from outside like any other window text.

#include "control.h"
#include "font_design.h"
#include "win32_handles.h"

#include <functional>
#include <optional>
#include <string>

namespace lumo {

enum class TextAlign { Left, Centre, Right };

struct LabelDesign {
    ControlDesign control;
    std::string caption; // code page 932
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

    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return design_.caption; }
    void SetForeColour(COLORREF colour);

    // Mouse events over the caption, with the pressed button (1 left, 2 right, 4 middle).
    std::function<void(int button)> OnMouseDown;
    // A left press on the label released over it.
    std::function<void()> OnClick;

  protected:
    const char* ClassName() const override;
    std::string InitialText() const override { return design_.caption; }
    void Created() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc);

    LabelDesign design_;
    win::GdiObject<HFONT> font_;
    bool pressed_ = false;
};

// A font made from its design at the standard 96 dots per inch.
HFONT CreateDesignFont(const FontDesign& font);

// Draws a label's caption into `box` of `dc` (the background is the caller's), in the
// platform's grey when disabled.
void DrawLabelText(HDC dc, const RECT& box, const LabelDesign& design, HFONT font, bool enabled);

} // namespace lumo
