#include "zoom.h"

namespace lumo {

ZoomRect ZoomPointRect() {
    return ZoomRect{ZoomX, ZoomY, ZoomX, ZoomY};
}

ZoomPath ZoomOpenPath(const ZoomRect& window) {
    return ZoomPath{ZoomPointRect(), window};
}

ZoomPath ZoomClosePath(const ZoomRect& window) {
    return ZoomPath{window, ZoomPointRect()};
}

} // namespace lumo
