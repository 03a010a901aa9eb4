#include "surface_container.h"

namespace lumo {

SurfaceContainer::SurfaceContainer(std::optional<COLORREF> backColour, const lumo::Picture& picture,
                                   const FontDesign& font)
    : font_(font) {
    picture_.SetBackColour(backColour.value_or(::GetSysColor(COLOR_BTNFACE)));
    picture_.SetBackPicture(picture);
}

void SurfaceContainer::SetPicture(const lumo::Picture& picture) {
    picture_.SetBackPicture(picture);
    picture_.Clear();
    picture_.Refresh();
}

void SurfaceContainer::AttachSurface() {
    picture_.SetOwner(ContainerWindow());
    ResizeSurfaceToClient();
    picture_.Clear();
    CreateChildren();
}

void SurfaceContainer::ResizeSurfaceToClient() {
    RECT client{};
    ::GetClientRect(ContainerWindow(), &client);
    picture_.Resize(client.right - client.left, client.bottom - client.top);
}

std::optional<LRESULT> SurfaceContainer::HandleSurfaceMessage(UINT message, WPARAM wParam,
                                                              LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the surface covers the whole client area
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_COMMAND:
        if (ReflectCommand(wParam, lParam)) {
            return 0;
        }
        return std::nullopt;
    case WM_SIZE:
        ResizeSurfaceToClient();
        Resized();
        return 0;
    case WM_DESTROY:
        picture_.SetOwner(nullptr);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace lumo
