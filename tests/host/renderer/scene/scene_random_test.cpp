#include "scene_random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The well-known first outputs of this generator from seed 1.
constexpr std::uint32_t kFirstDraws[] = {41,    18467, 6334,  26500, 19169, 15724,
                                         11478, 29358, 26962, 24464, 5705,  28145};

TEST(SceneRandom, StartsFromSeedOneWithTheKnownSequence) {
    lumo::SceneRandom random;
    for (std::uint32_t expected : kFirstDraws) {
        EXPECT_EQ(random.Next(), expected);
    }
}

TEST(SceneRandom, MatchesWideArithmeticOverALongRun) {
    // Same recurrence in 64-bit arithmetic reduced explicitly, rather than 32-bit wrap-around.
    lumo::SceneRandom random;
    std::uint64_t state = 1;
    for (int i = 0; i < 100000; ++i) {
        state = (state * 214013ull + 2531011ull) % 4294967296ull;
        const auto expected = static_cast<std::uint32_t>((state / 65536ull) % 32768ull);
        ASSERT_EQ(random.Next(), expected) << "draw " << i;
        ASSERT_EQ(random.state(), static_cast<std::uint32_t>(state));
    }
}

TEST(SceneRandom, RangeScalesTheDrawBelowItsLimit) {
    lumo::SceneRandom random;
    EXPECT_DOUBLE_EQ(lumo::RandomRange(random, 360.0f), 41.0 / 32768.0 * 360.0);
    EXPECT_DOUBLE_EQ(lumo::RandomRange(random, 1.0f), 18467.0 / 32768.0);
    // The float 0.3, not the double: its exact value carries into the result.
    EXPECT_DOUBLE_EQ(lumo::RandomRange(random, 0.3f), 6334.0 / 32768.0 * double{0.3f});
    for (int i = 0; i < 10000; ++i) {
        const double v = lumo::RandomRange(random, 1.0f);
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
}

// The primary keeps seed 1; the other monitors each get a sequence of their own, the same in
// every run, whose first draws differ from the primary's and from one another's.
TEST(SceneRandom, EveryMonitorHasItsOwnFixedSequence) {
    EXPECT_EQ(lumo::SeedForMonitor(0), 1u);
    std::vector<std::vector<std::uint32_t>> firstDraws;
    for (std::uint32_t monitor = 0; monitor < 8; ++monitor) {
        lumo::SceneRandom random(lumo::SeedForMonitor(monitor));
        std::vector<std::uint32_t> draws;
        for (int i = 0; i < 7; ++i) {
            draws.push_back(random.Next());
        }
        for (const auto& other : firstDraws) {
            EXPECT_NE(draws, other) << "monitor " << monitor;
        }
        firstDraws.push_back(draws);
    }
}

} // namespace
