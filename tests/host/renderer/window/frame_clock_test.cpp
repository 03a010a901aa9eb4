#include "frame_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(FrameClock, FirstStepCoversEverythingSinceStart) {
    lumo::FrameClock clock;
    clock.Start(10'000'000, 5'000'000'000);
    EXPECT_FLOAT_EQ(clock.Step(5'000'000'000 + 12'500'000), 1.25f); // a slow load
    EXPECT_DOUBLE_EQ(clock.elapsedSeconds(), 1.25);
    EXPECT_FLOAT_EQ(clock.Step(5'000'000'000 + 12'660'000), 0.016f);
    EXPECT_DOUBLE_EQ(clock.elapsedSeconds(), 1.266);
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

// The frame steps a run of irregular frames gets, starting `offset` counts after Start.
std::vector<float> StepsAfter(std::int64_t frequency, std::int64_t offset) {
    constexpr std::int64_t kBootCount = 123'456'789'012; // the counter runs from boot
    lumo::FrameClock clock;
    clock.Start(frequency, kBootCount);
    std::int64_t now = kBootCount + offset;
    clock.Step(now);
    std::vector<float> steps;
    const std::int64_t intervals[] = {frequency / 60,     frequency / 144, frequency / 7, 1, 0,
                                      frequency / 60 + 3, frequency / 1000};
    for (const std::int64_t interval : intervals) {
        now += interval;
        steps.push_back(clock.Step(now));
    }
    return steps;
}

TEST(FrameClock, StepsAfterTwoDaysAndAfterAWeekAreThoseOfTheFirstMinute) {
    for (const std::int64_t frequency : {std::int64_t{10'000'000}, std::int64_t{3'579'545}}) {
        const std::vector<float> firstMinute = StepsAfter(frequency, 30 * frequency);
        EXPECT_NEAR(firstMinute[0], 1.0 / 60.0, 1e-6) << frequency;
        EXPECT_EQ(StepsAfter(frequency, 48 * 3600 * frequency), firstMinute) << frequency;
        EXPECT_EQ(StepsAfter(frequency, 7 * 24 * 3600 * frequency), firstMinute) << frequency;
    }
}

} // namespace
