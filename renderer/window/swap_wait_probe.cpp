#include "swap_wait_probe.h"

namespace lumo {

void SwapWaitProbe::Start(std::int64_t period) {
    mode_ = Mode::Probing;
    period_ = period > 0 ? period : 1;
    frames_ = -kSettling;
}

void SwapWaitProbe::FrameStarted(std::int64_t now) {
    if (mode_ == Mode::LoopWaits) {
        return;
    }
    if (frames_ <= 0) {
        blockStart_ = now;
    }
    if (++frames_ <= kBlock) {
        return;
    }
    // kBlock intervals: swaps that wait for a display of this period take at least kBlock
    // periods, a little less where the display runs a little faster than the rate it reports.
    const std::int64_t took = now - blockStart_;
    const bool displayPaced = took * 20 >= static_cast<std::int64_t>(kBlock) * period_ * 19;
    mode_ = displayPaced ? Mode::SwapsWait : Mode::LoopWaits;
    frames_ = 1;
    blockStart_ = now;
}

} // namespace lumo
