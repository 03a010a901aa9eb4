// Frame pacing, run against a simulated counter: the loop draws what its pass plan says is due,
// each frame costing its drawing time, and otherwise waits what the plan says, waking a little
// late as real timers do.

#include "frame_clock.h"
#include "frame_pacer.h"
#include "swap_wait_probe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t kFrequency = 10'000'000;
constexpr std::int64_t kMs = kFrequency / 1000;

struct Monitor {
    lumo::FramePacer pacer;
    std::int64_t drawTicks = kMs;
    std::vector<std::int64_t> starts;
};

// Runs the loop from `now` for `ticks`, every 50th wake-up `stall` ticks late; returns the passes
// in which nothing was drawn and the loop did not wait (a spin).
int RunLoop(std::vector<Monitor>& monitors, std::int64_t& now, std::int64_t ticks,
            std::int64_t stall = 0) {
    int spins = 0;
    int pass = 0;
    for (const std::int64_t end = now + ticks; now < end; ++pass) {
        lumo::PassPlan plan(now);
        bool drew = false;
        for (Monitor& m : monitors) {
            if (plan.Draws(m.pacer)) {
                m.starts.push_back(now);
                m.pacer.FrameStarted(now);
                now += m.drawTicks;
                drew = true;
            }
        }
        if (!drew) {
            const std::int64_t wait = plan.waitTicks().value_or(-1);
            if (wait < 0) {
                ADD_FAILURE() << "the plan had no wait with monitors to draw";
                return spins;
            }
            spins += wait == 0 ? 1 : 0;
            now += wait + (pass % 7) * kMs / 10 + (pass % 50 == 49 ? stall : 0);
        }
    }
    return spins;
}

std::size_t FramesAfter(const Monitor& m, std::int64_t from) {
    std::size_t n = 0;
    for (const std::int64_t start : m.starts) {
        n += start >= from ? 1 : 0;
    }
    return n;
}

TEST(FramePacer, UnknownAndAbsurdRatesAreTakenAsSixtyHertz) {
    for (const std::uint32_t reported : {0u, 1u, 23u, 501u, 0xFFFFFFFFu}) {
        EXPECT_EQ(lumo::UsableRefreshHz(reported), 60u) << reported;
    }
    for (const std::uint32_t reported : {24u, 59u, 144u, 500u}) {
        EXPECT_EQ(lumo::UsableRefreshHz(reported), reported);
    }
}

TEST(FramePacer, EachMonitorOfMixedRatesHoldsItsOwnRateWithoutSpinning) {
    std::vector<Monitor> monitors(2);
    monitors[0].pacer.SetRate(kFrequency, 0);   // the hardware default: 60 Hz
    monitors[1].pacer.SetRate(kFrequency, 144); // a faster monitor beside it
    std::int64_t now = 123'456'789;
    const std::int64_t from = now;
    EXPECT_EQ(RunLoop(monitors, now, 10 * kFrequency), 0);
    // Late wake-ups do not slow either below its display: ten seconds hold ten seconds' frames.
    EXPECT_NEAR(static_cast<double>(FramesAfter(monitors[0], from)), 600.0, 2.0);
    EXPECT_NEAR(static_cast<double>(FramesAfter(monitors[1], from)), 1440.0, 2.0);
    // The first frame at once, and none ever sooner than half its period after the last.
    EXPECT_EQ(monitors[0].starts.front(), from);
    for (const Monitor& m : monitors) {
        for (std::size_t i = 1; i < m.starts.size(); ++i) {
            ASSERT_GE(m.starts[i] - m.starts[i - 1], m.pacer.period() / 2) << i;
        }
    }
}

TEST(FramePacer, AWakeUpLateByLessThanAPeriodIsMadeUpAndASlowFrameFollowedAtOnce) {
    std::vector<Monitor> monitors(1);
    monitors[0].pacer.SetRate(kFrequency, 60);
    std::int64_t now = 0;
    RunLoop(monitors, now, 10 * kFrequency, 12 * kMs);
    EXPECT_NEAR(static_cast<double>(monitors[0].starts.size()), 600.0, 2.0);

    monitors[0].starts.clear();
    monitors[0].drawTicks = 25 * kMs;
    EXPECT_EQ(RunLoop(monitors, now, kFrequency), 0);
    EXPECT_EQ(monitors[0].starts.size(), 40u); // one every 25 ms, never a wait between them
}

TEST(FramePacer, ACounterThatJumpsNeitherStallsNorBursts) {
    std::vector<Monitor> monitors(1);
    const Monitor& m = monitors[0];
    monitors[0].pacer.SetRate(kFrequency, 60);
    std::int64_t now = 0;
    RunLoop(monitors, now, kFrequency);
    // Resumed from an hour's sleep: the next frame at once, then the display's rate again.
    now += 3600 * kFrequency;
    std::size_t before = m.starts.size();
    const std::int64_t woke = now;
    RunLoop(monitors, now, kFrequency);
    EXPECT_EQ(m.starts[before], woke);
    EXPECT_NEAR(static_cast<double>(m.starts.size() - before), 60.0, 1.0);
    // A counter that runs back an hour never makes the loop wait more than a period.
    now -= 3600 * kFrequency;
    EXPECT_LE(m.pacer.TicksUntilDue(now), m.pacer.period());
    before = m.starts.size();
    EXPECT_EQ(RunLoop(monitors, now, kFrequency), 0);
    EXPECT_NEAR(static_cast<double>(m.starts.size() - before), 60.0, 1.0);

    // The animation moves on by a quarter second at most, and never back.
    lumo::FrameClock clock;
    clock.Start(kFrequency, 0);
    clock.Step(kFrequency);
    EXPECT_FLOAT_EQ(clock.Step(kFrequency + 3600 * kFrequency), 0.25f);
    EXPECT_EQ(clock.Step(kFrequency), 0.0f);
}

// Feeds the probe `frames` primary frames `interval` apart.
void Feed(lumo::SwapWaitProbe& probe, std::int64_t& now, int frames, std::int64_t interval) {
    for (int i = 0; i < frames; ++i) {
        probe.FrameStarted(now);
        now += interval;
    }
}

TEST(SwapWaitProbe, SwapsThatWaitForTheDisplayGetNoWaitOfTheLoopsOwn) {
    constexpr std::int64_t kPeriod = kFrequency / 60;
    constexpr int kProbe = lumo::SwapWaitProbe::kSettling + lumo::SwapWaitProbe::kBlock + 1;
    lumo::SwapWaitProbe probe;
    std::int64_t now = 0;

    // A vsynced display whose driver first queues three frames without waiting, and which runs a
    // little faster than the 60 Hz it reports.
    probe.Start(kPeriod);
    Feed(probe, now, 3, kMs);
    Feed(probe, now, 10 * kProbe, kPeriod - kMs / 10);
    EXPECT_FALSE(probe.loopWaits());
    EXPECT_FALSE(probe.probing());

    // Swaps that stop waiting are seen within a block, and the loop paces from then on.
    Feed(probe, now, lumo::SwapWaitProbe::kBlock + 1, kPeriod / 2);
    EXPECT_TRUE(probe.loopWaits());
    Feed(probe, now, kProbe, kPeriod);
    EXPECT_TRUE(probe.loopWaits());

    // Swaps that never wait (this bench): the loop paces after the first block.
    probe.Start(kPeriod);
    EXPECT_TRUE(probe.probing());
    Feed(probe, now, kProbe, kPeriod / 3);
    EXPECT_TRUE(probe.loopWaits());
}

} // namespace
