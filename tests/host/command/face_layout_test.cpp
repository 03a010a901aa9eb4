#include "face_layout.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lumo {
namespace {

TEST(FaceLayout, DerivedSizesAre16BitRoundedHalfToEven) {
    EXPECT_EQ(ToInt16(0.5), 0);
    EXPECT_EQ(ToInt16(1.5), 2);
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(-0.5), 0);
    EXPECT_EQ(ToInt16(-1.5), -2);
    EXPECT_EQ(ToInt16(1695.4), 1695);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_EQ(ToInt16(32767.5), std::nullopt);
    EXPECT_EQ(ToInt16(-32768.5), -32768);
    EXPECT_EQ(ToInt16(-32769), std::nullopt);
}

TEST(FaceLayout, NinePiecesAtTheDesignedSize) {
    const auto pieces = FacePieces(1755, 420);
    const FacePiece expected[8] = {
        {{1, 1, 60, 60}, {0, 0, 60, 60}},          // top-left corner
        {{60, 1, 1635, 60}, {60, 1, 840, 60}},     // top edge
        {{1695, 1, 60, 60}, {900, 1, 60, 60}},     // top-right corner
        {{1695, 60, 60, 300}, {900, 60, 60, 255}}, // right edge
        {{1695, 360, 60, 60}, {900, 315, 60, 60}}, // bottom-right corner
        {{60, 360, 1635, 60}, {60, 315, 840, 60}}, // bottom edge
        {{1, 360, 60, 60}, {0, 315, 60, 60}},      // bottom-left corner
        {{1, 60, 60, 300}, {1, 60, 60, 255}},      // left edge
    };
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(pieces[i].has_value()) << i;
        EXPECT_EQ(*pieces[i], expected[i]) << "piece " << i + 1;
    }
}

TEST(FaceLayout, StretchedAndOddSizesMoveTheFarPiecesAndRoundTheirPlaces) {
    const auto pieces = FacePieces(3000, 900);
    EXPECT_EQ(pieces[1]->destination, (TwipsRect{60, 1, 2880, 60}));
    EXPECT_EQ(pieces[3]->destination, (TwipsRect{2940, 60, 60, 780}));
    EXPECT_EQ(pieces[4]->destination, (TwipsRect{2940, 840, 60, 60}));
    EXPECT_EQ(pieces[7]->source, (TwipsRect{1, 60, 60, 255})); // sources never change

    // Fractional twips: the derived values round half to even.
    const auto odd = FacePieces(1756.5, 420.5);
    EXPECT_EQ(odd[2]->destination.x, 1696);     // 1696.5
    EXPECT_EQ(odd[1]->destination.width, 1636); // 1636.5
    EXPECT_EQ(odd[4]->destination.y, 360);      // 360.5
}

TEST(FaceLayout, ATinyControlDrawsItsCornersAndNoNegativeEdges) {
    const auto pieces = FacePieces(100, 90);
    for (const int edge : {1, 3, 5, 7}) {
        EXPECT_FALSE(pieces[edge].has_value()) << edge;
    }
    EXPECT_EQ(pieces[2]->destination, (TwipsRect{40, 1, 60, 60}));
    EXPECT_EQ(pieces[6]->destination, (TwipsRect{1, 30, 60, 60}));
    // Exactly two borders wide: no room for the edges either.
    EXPECT_FALSE(FacePieces(120, 420)[1].has_value());
    EXPECT_TRUE(FacePieces(120, 420)[3].has_value());
    for (const auto& piece : FacePieces(0, 0)) {
        if (piece) {
            EXPECT_GT(piece->destination.width, 0);
            EXPECT_GT(piece->destination.height, 0);
        }
    }
}

TEST(FaceLayout, SizesBeyond16BitsLeaveOutThePiecesThatNeedThem) {
    const auto pieces = FacePieces(40000, 420);
    EXPECT_TRUE(pieces[0].has_value());
    EXPECT_FALSE(pieces[1].has_value()); // 39880 across
    EXPECT_FALSE(pieces[2].has_value()); // 39940
    EXPECT_FALSE(pieces[3].has_value());
    EXPECT_FALSE(pieces[4].has_value());
    EXPECT_FALSE(pieces[5].has_value());
    EXPECT_TRUE(pieces[6].has_value());
    EXPECT_TRUE(pieces[7].has_value());
}

TEST(FaceLayout, TheCaptionSitsTenTwipsAboveTheCentre) {
    EXPECT_DOUBLE_EQ(CaptionTop(420), 102.5);
    EXPECT_DOUBLE_EQ(CaptionTop(375), 80);
    EXPECT_DOUBLE_EQ(CaptionTop(100), -57.5);
}

TEST(GradientColours, ChannelsLandInTheHighByteReadFromTheLeft) {
    EXPECT_EQ(ChannelsOfColourText(kGradientLight), (Channels{0xFF00, 0xFF00, 0xFF00}));
    EXPECT_EQ(ChannelsOfColourText(kGradientShade), (Channels{0xC600, 0xC500, 0xD700}));
    EXPECT_EQ(ChannelsOfColourText("&H0000FF"), (Channels{0, 0, 0xFF00}));
    EXPECT_EQ(ChannelsOfColourText("&HFF"), (Channels{0, 0, 0xFF00})); // led by zeros
    EXPECT_EQ(ChannelsOfColourText("65280"), (Channels{0, 0xFF00, 0}));
    EXPECT_THROW(ChannelsOfColourText("lavender"), std::invalid_argument);
    EXPECT_THROW(ChannelsOfColourText("-1"), std::invalid_argument);
    EXPECT_THROW(ChannelsOfColourText("&H1000000&"), std::invalid_argument);
}

TEST(GradientColours, VerticesSpanTheInnerAreaLightOnTopUnlessInverted) {
    const auto idle = GradientVertices(117, 28, false);
    ASSERT_TRUE(idle.has_value());
    EXPECT_EQ((*idle)[0], (GradientVertex{0, 0, {0xFF00, 0xFF00, 0xFF00}}));
    EXPECT_EQ((*idle)[1], (GradientVertex{116, 27, {0xC600, 0xC500, 0xD700}}));
    const auto hover = GradientVertices(117, 28, true);
    EXPECT_EQ((*hover)[0].colour, (*idle)[1].colour);
    EXPECT_EQ((*hover)[1].colour, (*idle)[0].colour);
    EXPECT_EQ((*hover)[1].x, 116);
    EXPECT_FALSE(GradientVertices(0, 28, false).has_value());
    EXPECT_FALSE(GradientVertices(117, 0, false).has_value());
    EXPECT_EQ((*GradientVertices(1, 1, false))[1].x, 0);
}

} // namespace
} // namespace lumo
