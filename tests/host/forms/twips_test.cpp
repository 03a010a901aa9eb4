#include "twips.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(Twips, FifteenToThePixel) {
    EXPECT_EQ(PixelsToTwips(1024), 15360);
    EXPECT_EQ(TwipsToPixels(7440), 496);
    EXPECT_EQ(TwipsToPixels(3645), 243);
    EXPECT_EQ(TwipsToPixels(60), 4);
    EXPECT_EQ(TwipsToPixels(1), 0);
    EXPECT_EQ(TwipsToPixels(7), 0);
    EXPECT_EQ(TwipsToPixels(8), 1);
    EXPECT_EQ(TwipsToPixels(-8), -1);
    // Parts of a twip count: every control lands where the form's own size rounds to.
    EXPECT_EQ(TwipsToPixels(7.6), 1);
    EXPECT_EQ(TwipsToPixels(-7.6), -1);
    EXPECT_DOUBLE_EQ(ToPixels(255, ScaleMode::Twips), 17.0);
    EXPECT_DOUBLE_EQ(ToPixels(17, ScaleMode::Pixels), 17.0);
    EXPECT_DOUBLE_EQ(FromPixels(28, ScaleMode::Twips), 420.0);
}

} // namespace
} // namespace lumo
