#pragma once
// When each monitor's next frame may start: no display shows more frames than its refresh rate,
// so a frame drawn sooner is paid for and never seen. Each monitor keeps its own due time on its
// own period, and a pass of the loop draws the monitors that are due and otherwise waits for
// whichever is due first. Times are counter ticks, as the frame clock's.
//
// Frames are due on a grid one period apart: a frame that starts a little late (a wake-up that
// comes late, a monitor drawn after another) leaves the next due when it was, so that the rate
// holds the display's. Catching up is never a burst: no frame starts sooner than half a period
// after the last. A monitor more than a period behind (a stall, a frame slower than its period)
// is behind for good: its grid starts again from its latest frame, and a slow frame is followed
// by the next at once. A counter that jumps (a system resumed from sleep, a counter that runs
// back) never makes a monitor wait longer than one period.

#include <cstdint>
#include <optional>

namespace lumo {

// The refresh rate a monitor reports, as the loop paces it: 0 and 1 mean "the hardware default"
// (what Wine always reports), and a rate below 24 or above 500 Hz is no display's; each is taken
// as 60 Hz.
std::uint32_t UsableRefreshHz(std::uint32_t reportedHz);

class FramePacer {
  public:
    // A new rate starts nothing over: the next frame stays due when it was.
    void SetRate(std::int64_t countFrequency, std::uint32_t reportedHz);

    bool Due(std::int64_t now) const;
    // Ticks from `now` until the next frame is due: 0 when it is due, never more than a period.
    std::int64_t TicksUntilDue(std::int64_t now) const;
    // A frame of this monitor starts at `now`.
    void FrameStarted(std::int64_t now);
    // The next frame is due at once (the display back from off, a changed display).
    void Restart() { started_ = false; }

    std::int64_t period() const { return period_; }
    std::uint32_t refreshHz() const { return refreshHz_; }

  private:
    std::int64_t period_ = 1;
    std::uint32_t refreshHz_ = 60;
    std::int64_t due_ = 0;      // on the grid
    std::int64_t earliest_ = 0; // half a period after the last frame began
    bool started_ = false;
};

// One pass of the loop over the monitors that can draw: which draw now, and how long the loop
// may wait when none does.
class PassPlan {
  public:
    explicit PassPlan(std::int64_t now) : now_(now) {}

    // Whether the monitor paced by `pacer` draws in this pass. `atOnce`: the loop adds no wait of
    // its own (its swap waits for the display itself), and the monitor is always due.
    bool Draws(const FramePacer& pacer, bool atOnce = false);

    // None when no monitor can draw (the loop then sleeps until a message comes); 0 when one
    // draws in this pass; otherwise the ticks until the first monitor is due.
    std::optional<std::int64_t> waitTicks() const { return wait_; }

  private:
    std::int64_t now_;
    std::optional<std::int64_t> wait_;
};

} // namespace lumo
