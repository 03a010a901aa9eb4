#include "frame_clock.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameClock, FirstStepCoversEverythingSinceStart) {
    lumo::FrameClock clock;
    clock.Start(10'000'000, 5'000'000'000);
    EXPECT_FLOAT_EQ(clock.Step(5'000'000'000 + 12'500'000), 1.25f); // a slow load
    EXPECT_FLOAT_EQ(clock.elapsedSeconds(), 1.25f);
    EXPECT_FLOAT_EQ(clock.Step(5'000'000'000 + 12'660'000), 0.016f);
    EXPECT_FLOAT_EQ(clock.elapsedSeconds(), 1.266f);
}

TEST(FrameClock, StepsSumToTheElapsedTimeOverALongRun) {
    lumo::FrameClock clock;
    constexpr long long kFrequency = 3'579'545;
    clock.Start(kFrequency, 0);
    double total = 0.0;
    long long now = 0;
    for (int i = 0; i < 100000; ++i) {
        now += 59'659; // about 60 frames a second
        total += clock.Step(now);
    }
    const double seconds = static_cast<double>(now) / kFrequency;
    EXPECT_NEAR(total, seconds, seconds * 1e-4);
    EXPECT_NEAR(clock.elapsedSeconds(), seconds, 1e-3);
}

TEST(FrameClock, AStandingCounterGivesAZeroStep) {
    lumo::FrameClock clock;
    clock.Start(1000, 100);
    clock.Step(600);
    EXPECT_EQ(clock.Step(600), 0.0f);
}

} // namespace
