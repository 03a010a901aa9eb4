#include "zoom.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(Zoom, RunsBetweenTheOriginPointAndTheOuterRectangle) {
    ZoomX = 120;
    ZoomY = -4;
    const ZoomRect window{100, 200, 607, 470};
    const ZoomRect point{120, -4, 120, -4};
    EXPECT_EQ(ZoomPointRect(), point);
    const ZoomPath open = ZoomOpenPath(window);
    EXPECT_EQ(open.from, point);
    EXPECT_EQ(open.to, window);
    const ZoomPath close = ZoomClosePath(window);
    EXPECT_EQ(close.from, window);
    EXPECT_EQ(close.to, point);
    ZoomX = 0;
    ZoomY = 0;
    EXPECT_EQ(ZoomOpenPath(window).from, (ZoomRect{0, 0, 0, 0}));
}

} // namespace
} // namespace lumo
