// Rest while the display is off, and the clock that does not count the dark time.

#include "display_rest.h"
#include "frame_clock.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using Change = lumo::DisplayRest::Change;

TEST(DisplayRest, OnlyAnOffDisplayIsDarkAndOnlyKnownStatesCount) {
    lumo::DisplayRest rest;
    EXPECT_FALSE(rest.dark());
    EXPECT_EQ(rest.Report(1), Change::None); // on while on
    EXPECT_EQ(rest.Report(2), Change::None); // dimmed is still seen
    EXPECT_FALSE(rest.dark());
    EXPECT_EQ(rest.Report(0), Change::WentDark);
    EXPECT_TRUE(rest.dark());
    EXPECT_EQ(rest.Report(0), Change::None);
    for (std::uint32_t unknown : {3u, 7u, 0xFFFFFFFFu}) {
        EXPECT_EQ(rest.Report(unknown), Change::None) << unknown;
        EXPECT_TRUE(rest.dark()) << unknown;
    }
    EXPECT_EQ(rest.Report(2), Change::CameBack); // dimmed after off: drawn again
    EXPECT_FALSE(rest.dark());
    EXPECT_EQ(rest.Report(0xFFFFFFFFu), Change::None);
    EXPECT_FALSE(rest.dark());
    EXPECT_EQ(rest.Report(0), Change::WentDark);
    EXPECT_EQ(rest.Report(1), Change::CameBack);
}

TEST(DisplayRest, TheAnimationGoesOnWhereItStoppedWithoutTheDarkTime) {
    lumo::FrameClock clock;
    constexpr std::int64_t kFrequency = 1'000'000;
    clock.Start(kFrequency, 0);
    EXPECT_FLOAT_EQ(clock.Step(16'000), 0.016f);
    // Dark from 20 ms for an hour: no frame is drawn; the display comes back and the clock
    // resumes there.
    constexpr std::int64_t kBack = 20'000 + 3600 * kFrequency;
    clock.Resume(kBack);
    EXPECT_FLOAT_EQ(clock.Step(kBack + 17'000), 0.017f);
    EXPECT_FLOAT_EQ(clock.Step(kBack + 33'000), 0.016f);
}

} // namespace
