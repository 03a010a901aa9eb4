#include "form.h"
#include "timer.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using namespace std::chrono_literals;

FormDesign HiddenDesign() {
    FormDesign design;
    design.caption = L"lumo timer test";
    design.border = BorderStyle::None;
    return design;
}

class TimerForm final : public Form {
  public:
    TimerForm()
        : Form(HiddenDesign()), Fast(*this, 20, true), Slow(*this, 100, true),
          Off(*this, 20, false) {}
    Timer Fast;
    Timer Slow;
    Timer Off;
};

TEST(Timer, TicksOnlyWhileEnabledAndAfterTheFormHasAWindow) {
    TimerForm form;
    int fast = 0;
    int slow = 0;
    int off = 0;
    form.Fast.OnTimer = [&] { ++fast; };
    form.Slow.OnTimer = [&] { ++slow; };
    form.Off.OnTimer = [&] { ++off; };
    test::PumpFor(150ms); // not loaded: no window, no ticks
    EXPECT_EQ(fast + slow + off, 0);

    form.Load();
    ASSERT_TRUE(test::PumpUntil([&] { return slow >= 3; }, 3000ms));
    EXPECT_GT(fast, slow); // the shorter interval ticks more often
    EXPECT_EQ(off, 0);

    form.Fast.SetEnabled(false);
    const int fastWhenOff = fast;
    test::PumpFor(150ms);
    EXPECT_EQ(fast, fastWhenOff);

    form.Off.SetEnabled(true);
    EXPECT_TRUE(test::PumpUntil([&] { return off >= 2; }, 2000ms));
    form.Unload();
    const int afterUnload = slow + off;
    test::PumpFor(250ms);
    EXPECT_EQ(slow + off, afterUnload);
}

TEST(Timer, AHandlerCanSwitchItsOwnTimerOff) {
    TimerForm form;
    int ticks = 0;
    form.Fast.OnTimer = [&] {
        ++ticks;
        form.Fast.SetEnabled(false);
    };
    form.Load();
    test::PumpFor(200ms);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(form.Fast.Enabled());
    form.Fast.SetEnabled(true); // and on again
    EXPECT_TRUE(test::PumpUntil([&] { return ticks == 2; }, 1000ms));
    form.Unload();
}

TEST(Timer, TicksNeverOverlapEvenWhenAHandlerPumpsMessages) {
    TimerForm form;
    int depth = 0;
    int deepest = 0;
    int ticks = 0;
    std::vector<std::string> order;
    form.Fast.OnTimer = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        ++ticks;
        order.push_back("fast begin");
        test::PumpFor(70ms); // like a message box: the queue runs meanwhile
        order.push_back("fast end");
        --depth;
    };
    form.Slow.OnTimer = [&] { order.push_back("slow"); };
    form.Load();
    ASSERT_TRUE(test::PumpUntil([&] { return ticks >= 3; }, 3000ms));
    form.Unload();
    EXPECT_EQ(deepest, 1);
    // Each fast tick ends before the next one begins; other timers may run in between.
    std::string last;
    for (const auto& step : order) {
        if (step == "fast begin") {
            EXPECT_NE(last, "fast begin");
        }
        if (step != "slow") {
            last = step;
        }
    }
}

TEST(Timer, ANewIntervalTakesEffectAndZeroStopsTheTicks) {
    TimerForm form;
    int ticks = 0;
    form.Slow.OnTimer = [&] { ++ticks; };
    form.Load();
    form.Slow.SetInterval(0);
    test::PumpFor(250ms);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(form.Slow.Enabled());
    form.Slow.SetInterval(10);
    EXPECT_TRUE(test::PumpUntil([&] { return ticks >= 5; }, 1000ms));
    form.Unload();
}

TEST(Timer, AFailingHandlerEndsOnlyThatTick) {
    TimerForm form;
    int ticks = 0;
    form.Fast.OnTimer = [&] {
        ++ticks;
        throw std::runtime_error("tick");
    };
    form.Load();
    EXPECT_TRUE(test::PumpUntil([&] { return ticks >= 3; }, 2000ms));
    form.Unload();
}

} // namespace
} // namespace lumo
