#include "picture_box.h"

namespace lumo {

PictureBox::PictureBox(Container& parent, const PictureBoxDesign& design)
    : Control(parent, design.control),
      SurfaceContainer(design.backColour, design.picture, design.font), border_(design.border) {}

const wchar_t* PictureBox::ClassName() const {
    RegisterClassOnce(L"LumoPictureBox");
    return L"LumoPictureBox";
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (RouteMouse(message, wParam, lParam)) {
        return 0;
    }
    if (const auto answer = HandleSurfaceMessage(message, wParam, lParam)) {
        return *answer;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

} // namespace lumo
