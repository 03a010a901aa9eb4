#include "picture_box.h"

namespace lumo {

PictureBox::PictureBox(Container& parent, const PictureBoxDesign& design)
    : Control(parent, design.control), border_(design.border), font_(design.font) {
    picture_.SetBackColour(design.backColour.value_or(::GetSysColor(COLOR_BTNFACE)));
    picture_.SetBackPicture(design.picture);
}

void PictureBox::SetPicture(const lumo::Picture& picture) {
    picture_.SetBackPicture(picture);
    picture_.Clear();
    picture_.Refresh();
}

const char* PictureBox::ClassName() const {
    RegisterClassOnce("LumoPictureBox");
    return "LumoPictureBox";
}

void PictureBox::Created() {
    picture_.SetOwner(Hwnd());
    ResizeSurfaceToClient();
    picture_.Clear();
    CreateChildren();
}

void PictureBox::ResizeSurfaceToClient() {
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    picture_.Resize(client.right - client.left, client.bottom - client.top);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (RouteMouse(message, wParam, lParam)) {
        return 0;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_COMMAND:
        if (ReflectCommand(wParam, lParam)) {
            return 0;
        }
        break;
    case WM_SIZE:
        ResizeSurfaceToClient();
        return 0;
    case WM_DESTROY:
        picture_.SetOwner(nullptr);
        break;
    default:
        break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

} // namespace lumo
