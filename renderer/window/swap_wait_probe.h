#pragma once
// Whether the primary's swaps already wait for the display, told by their intervals: a loop that
// waits on its own as well as on a swap that waits for the vertical blank waits twice and can
// miss blanks, so where the swaps wait the loop adds no wait of its own to the primary.
//
// Only frames drawn without a wait of the loop's own tell anything, so the probe starts with a
// block of them. Frames that came at least nearly a period apart mean the swaps wait, or that the
// frames are slower than the display, when waiting is needless too; the loop then keeps adding no
// wait and goes on measuring, and a block of frames faster than the display (the wait has gone,
// or the frames have become faster) hands the pacing to the loop for good, until the next probe
// (a changed display, the display back from off). Frames faster than the display are drawn for
// a block at the most, a few tenths of a second; while the probe runs, every monitor draws on
// every pass, so that the first frames come as they did before any pacing.

#include <cstdint>

namespace lumo {

class SwapWaitProbe {
  public:
    // Frames of a block, after the first few of a probe, which may fill the driver's queue of
    // frames without waiting.
    static constexpr int kBlock = 24;
    static constexpr int kSettling = 3;

    // Probes afresh for a display of this period (counter ticks).
    void Start(std::int64_t period);
    // The primary's frame starts at `now`.
    void FrameStarted(std::int64_t now);

    // True until the first block has told whether the swaps wait.
    bool probing() const { return mode_ == Mode::Probing; }
    // True while the loop paces the primary itself.
    bool loopWaits() const { return mode_ == Mode::LoopWaits; }

  private:
    enum class Mode : std::uint8_t { Probing, SwapsWait, LoopWaits };

    Mode mode_ = Mode::Probing;
    std::int64_t period_ = 1;
    int frames_ = 0; // of the block, its first start included
    std::int64_t blockStart_ = 0;
};

} // namespace lumo
