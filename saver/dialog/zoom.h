#pragma once
// The zoom animation of the settings window: a caption rectangle that grows from the point where
// the mouse was to the window when it opens, and shrinks back to that point when it closes. The
// origin is program-wide; the window sets it while it loads.

#include <cstdint>

namespace lumo {

// The zoom origin in screen pixels; 0 at program start.
inline std::int16_t ZoomX = 0;
inline std::int16_t ZoomY = 0;

struct ZoomRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const ZoomRect&, const ZoomRect&) = default;
};

// The animation's two ends: `from` grows or shrinks into `to`.
struct ZoomPath {
    ZoomRect from;
    ZoomRect to;
};

// The empty rectangle at the origin.
ZoomRect ZoomPointRect();
// From the origin to the window's outer rectangle (frame and caption included), and back.
ZoomPath ZoomOpenPath(const ZoomRect& window);
ZoomPath ZoomClosePath(const ZoomRect& window);

} // namespace lumo
