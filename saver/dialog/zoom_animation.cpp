#include "zoom_animation.h"

namespace lumo {

namespace {

ZoomRect OuterRectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return ZoomRect{r.left, r.top, r.right, r.bottom};
}

void Animate(HWND window, const ZoomPath& path) {
    const RECT from{path.from.left, path.from.top, path.from.right, path.from.bottom};
    const RECT to{path.to.left, path.to.top, path.to.right, path.to.bottom};
    ::DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

} // namespace

void ZoomOpen(HWND window) {
    Animate(window, ZoomOpenPath(OuterRectOf(window)));
}

void ZoomClose(HWND window) {
    Animate(window, ZoomClosePath(OuterRectOf(window)));
}

} // namespace lumo
