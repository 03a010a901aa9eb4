#include "windowless_label.h"

namespace lumo {

WindowlessLabel::WindowlessLabel(Container& parent, const LabelDesign& design)
    : GraphicControl(parent, design.control), design_(design), font_(design.font),
      shownFont_(CreateDesignFont(design.font)) {
    font_.onChange_ = [this] { FontChanged(); };
}

void WindowlessLabel::SetCaption(const std::wstring& caption) {
    design_.caption = caption;
    Repaint();
}

void WindowlessLabel::SetForeColour(COLORREF colour) {
    design_.foreColour = colour;
    Repaint();
}

void WindowlessLabel::FontChanged() {
    design_.font = font_.Design();
    shownFont_.Reset(CreateDesignFont(design_.font));
    Repaint();
}

void WindowlessLabel::Draw(HDC dc) const {
    const RECT at = PixelRect();
    if (design_.backColour) {
        win::GdiObject<HBRUSH> brush(::CreateSolidBrush(*design_.backColour));
        ::FillRect(dc, &at, brush.Get());
    }
    DrawLabelText(dc, at, design_, shownFont_.Get(), Enabled());
}

} // namespace lumo
