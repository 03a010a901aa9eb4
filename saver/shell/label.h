#pragma once
// A label: a caption drawn in a font and colour over its container's persistent picture (a
// transparent background), or over its own back colour. Its window carries the caption as
// window text, so the caption can be read from outside like any other window text.

#include "control.h"
#include "win32_handles.h"

#include <functional>
#include <optional>
#include <string>

namespace lumo {

struct FontDesign {
    std::string name =
        "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"; // ＭＳ Ｐゴシック
    double points = 9.75;
    int charset = SHIFTJIS_CHARSET;
    int weight = FW_NORMAL;
    bool underline = false;
};

enum class TextAlign { Left, Centre, Right };

struct LabelDesign {
    ControlDesign control;
    std::string caption; // code page 932
    FontDesign font;
    COLORREF foreColour = RGB(0, 0, 0);
    std::optional<COLORREF> backColour; // none: transparent
    TextAlign align = TextAlign::Left;
    bool wordWrap = true;
};

class Label : public Control {
  public:
    Label(Container& parent, const LabelDesign& design);

    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return design_.caption; }
    void SetForeColour(COLORREF colour);

    // Mouse events over the caption, with the pressed button (1 left, 2 right, 4 middle).
    std::function<void(int button)> OnMouseDown;
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

} // namespace lumo
