#include "twips.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(Twips, FifteenToThePixel) {
    EXPECT_EQ(PixelsToTwips(1024, 96), 15360);
    EXPECT_EQ(TwipsToPixels(7440, 96), 496);
    EXPECT_EQ(TwipsToPixels(3645, 96), 243);
    EXPECT_EQ(TwipsToPixels(60, 96), 4);
    EXPECT_EQ(TwipsToPixels(1, 96), 0);
    EXPECT_EQ(TwipsToPixels(7, 96), 0);
    EXPECT_EQ(TwipsToPixels(8, 96), 1);
    EXPECT_EQ(TwipsToPixels(-8, 96), -1);
    // Parts of a twip count: every control lands where the form's own size rounds to.
    EXPECT_EQ(TwipsToPixels(7.6, 96), 1);
    EXPECT_EQ(TwipsToPixels(-7.6, 96), -1);
    EXPECT_DOUBLE_EQ(ToPixels(255, ScaleMode::Twips, 96), 17.0);
    EXPECT_DOUBLE_EQ(ToPixels(17, ScaleMode::Pixels, 96), 17.0);
    EXPECT_DOUBLE_EQ(FromPixels(28, ScaleMode::Twips, 96), 420.0);
}

// 1440 / DPI twips to the pixel: 12 at 120, 10 at 144, 7.5 at 192. A window, its controls and its
// pictures grow alike, and the screen's pixels go to twips and back unchanged.
TEST(Twips, SystemDpi) {
    struct Case {
        int dpi;
        int window;  // 7440 twips, the settings window's width
        int odd;     // 3645 twips: a tie at 144 (364.5) goes away from zero
        int picture; // a 13-pixel picture of the standard DPI
    };
    for (const Case c : {Case{96, 496, 243, 13}, Case{120, 620, 304, 16}, Case{144, 744, 365, 20},
                         Case{192, 992, 486, 26}}) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(TwipsToPixels(7440, c.dpi), c.window);
        EXPECT_EQ(TwipsToPixels(3645, c.dpi), c.odd);
        EXPECT_EQ(TwipsToPixels(-3645, c.dpi), -c.odd);
        EXPECT_EQ(ScaledFromStandard(13, c.dpi), c.picture);
        for (const int screen : {1024, 1366, 3840}) {
            EXPECT_EQ(TwipsToPixels(PixelsToTwips(screen, c.dpi), c.dpi), screen);
            EXPECT_EQ(TwipsToPixels(FromPixels(screen, ScaleMode::Twips, c.dpi), c.dpi), screen);
        }
    }
    EXPECT_DOUBLE_EQ(PixelsToTwips(3, 192), 22.5);
    EXPECT_DOUBLE_EQ(ToPixels(255, ScaleMode::Twips, 144), 25.5);
}

} // namespace
} // namespace lumo
