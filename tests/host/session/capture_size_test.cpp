#include "capture_size.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

// The primary at 150 % while the system runs at 100 %: the program sees 1280 x 720 of a
// 1920 x 1080 monitor, and the photo must still hold all of it.
TEST(CaptureSize, TheMonitorsOwnPixelsWinOverTheScaledSize) {
    EXPECT_EQ(CaptureSizeFor(PixelSize{1920, 1080}, {1280, 720}), (PixelSize{1920, 1080}));
    // The other way round: a system at 150 % with the primary since set to 100 %.
    EXPECT_EQ(CaptureSizeFor(PixelSize{1280, 720}, {1920, 1080}), (PixelSize{1280, 720}));
}

TEST(CaptureSize, WithoutAUsableReadingTheScreenAsSeenIsTaken) {
    EXPECT_EQ(CaptureSizeFor(std::nullopt, {1920, 1080}), (PixelSize{1920, 1080}));
    for (const PixelSize bad : {PixelSize{0, 1080}, PixelSize{1920, -1}, PixelSize{40000, 1080}}) {
        EXPECT_EQ(CaptureSizeFor(bad, {1920, 1080}), (PixelSize{1920, 1080}))
            << bad.width << "x" << bad.height;
    }
    EXPECT_EQ(CaptureSizeFor(std::nullopt, {0, 0}), (PixelSize{}));
}

} // namespace
} // namespace lumo
