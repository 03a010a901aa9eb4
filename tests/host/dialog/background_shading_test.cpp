#include "background_shading.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

// The window's inner height is 243 pixels, the panel's 165.
constexpr double kWindowHeight = 243;
constexpr double kPanelHeight = 165;

TEST(BackgroundShading, PaintsRowsUpToTheRoundedHeight) {
    EXPECT_EQ(LastShadedRow(243), 243);
    EXPECT_EQ(LastShadedRow(242.5), 242);
    EXPECT_EQ(LastShadedRow(243.5), 244);
    EXPECT_EQ(LastShadedRow(3645), 3645);
}

TEST(BackgroundShading, WindowRunsFromBlueBlackToPaleBlueGreyAndBack) {
    EXPECT_EQ(WindowRowColour(0, kWindowHeight), (RowColour{0, 0, 30}));
    EXPECT_EQ(WindowRowColour(121, kWindowHeight), (RowColour{220, 220, 250}));
    EXPECT_EQ(WindowRowColour(122, kWindowHeight), (RowColour{220, 220, 250}));
    EXPECT_EQ(WindowRowColour(243, kWindowHeight), (RowColour{0, 0, 30}));
    // A row in between: |sin(60 / (243 / 3.142))| * 220 = 154.06
    EXPECT_EQ(WindowRowColour(60, kWindowHeight), (RowColour{154, 154, 184}));
}

TEST(BackgroundShading, PanelRunsFromDarkGreyToNearWhiteAndBack) {
    EXPECT_EQ(PanelRowColour(0, kPanelHeight), (RowColour{30, 30, 30}));
    EXPECT_EQ(PanelRowColour(82, kPanelHeight), (RowColour{250, 250, 250}));
    EXPECT_EQ(PanelRowColour(83, kPanelHeight), (RowColour{250, 250, 250}));
    EXPECT_EQ(PanelRowColour(165, kPanelHeight), (RowColour{30, 30, 30}));
}

TEST(BackgroundShading, LastRowIsPastTheZeroAndStaysDark) {
    // y / k reaches 3.142, a little past pi: sin is slightly negative there, the level 0.
    EXPECT_EQ(ShadeLevel(243, kWindowHeight), 0);
    EXPECT_EQ(ShadeLevel(3645, 3645), 0);
    // The level depends only on y / height: the same picture in twips as in pixels.
    EXPECT_EQ(ShadeLevel(60 * 15, kWindowHeight * 15), ShadeLevel(60, kWindowHeight));
}

} // namespace
} // namespace lumo
