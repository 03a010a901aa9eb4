#include "track_text.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(FormatTrack, ShowsDigitsWithoutLeadingZerosAndNothingForZero) {
    EXPECT_EQ(FormatTrack(0), "");
    EXPECT_EQ(FormatTrack(7), "7");
    EXPECT_EQ(FormatTrack(12), "12");
    EXPECT_EQ(FormatTrack(30), "30");
    EXPECT_EQ(FormatTrack(-3), "-3");
    EXPECT_EQ(FormatTrack(32767), "32767");
    EXPECT_EQ(FormatTrack(-32768), "-32768");
}

TEST(TrackOfText, ReadsNumbersRoundingHalvesToEven) {
    EXPECT_EQ(TrackOfText(" 7 "), 7);
    EXPECT_EQ(TrackOfText("\t7"), 7);
    EXPECT_EQ(TrackOfText("3.5"), 4);
    EXPECT_EQ(TrackOfText("2.5"), 2);
    EXPECT_EQ(TrackOfText("2.51"), 3);
    EXPECT_EQ(TrackOfText("12"), 12);
    EXPECT_EQ(TrackOfText("-3"), -3);
    EXPECT_EQ(TrackOfText("-2.5"), -2);
    EXPECT_EQ(TrackOfText("1e1"), 10);
    EXPECT_EQ(TrackOfText("&H10"), 16);
}

TEST(TrackOfText, GivesZeroForTextsThatAreNoNumber) {
    EXPECT_EQ(TrackOfText(""), 0);
    EXPECT_EQ(TrackOfText("   "), 0);
    EXPECT_EQ(TrackOfText("abc"), 0);
    EXPECT_EQ(TrackOfText("7a"), 0);
    EXPECT_EQ(TrackOfText("\x8B\xC8"), 0); // 曲, code page 932
}

TEST(TrackOfText, GivesZeroForNumbersBeyondSixteenBits) {
    EXPECT_EQ(TrackOfText("32767"), 32767);
    EXPECT_EQ(TrackOfText("32767.4"), 32767);
    EXPECT_EQ(TrackOfText("32767.5"), 0); // rounds to 32768
    EXPECT_EQ(TrackOfText("-32768.5"), -32768);
    EXPECT_EQ(TrackOfText("-32769"), 0);
    EXPECT_EQ(TrackOfText("40000"), 0);
    EXPECT_EQ(TrackOfText("1e9"), 0);
    EXPECT_EQ(TrackOfText("1e400"), 0);
    EXPECT_EQ(TrackOfText("99999999999999999999999"), 0);
}

} // namespace
} // namespace lumo
