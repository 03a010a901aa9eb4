#include "frame_pacer.h"

#include <algorithm>

namespace lumo {
namespace {

constexpr std::uint32_t kDefaultHz = 60;
constexpr std::uint32_t kSlowestHz = 24;
constexpr std::uint32_t kFastestHz = 500;

// A wake-up this close to the due time draws rather than waits once more: it is the grain of the
// system's timers, and a second wait that short would only cost a turn of the loop.
constexpr std::int64_t kGrainDivisor = 32;

} // namespace

std::uint32_t UsableRefreshHz(std::uint32_t reportedHz) {
    return reportedHz < kSlowestHz || reportedHz > kFastestHz ? kDefaultHz : reportedHz;
}

void FramePacer::SetRate(std::int64_t countFrequency, std::uint32_t reportedHz) {
    refreshHz_ = UsableRefreshHz(reportedHz);
    period_ = std::max<std::int64_t>(countFrequency / refreshHz_, 1);
}

bool FramePacer::Due(std::int64_t now) const {
    return TicksUntilDue(now) == 0;
}

std::int64_t FramePacer::TicksUntilDue(std::int64_t now) const {
    if (!started_) {
        return 0;
    }
    const std::int64_t ahead = std::max(due_, earliest_) - now;
    // More than a period ahead only when the counter ran back: nothing waits for that.
    if (ahead <= period_ / kGrainDivisor || ahead > period_) {
        return 0;
    }
    return ahead;
}

void FramePacer::FrameStarted(std::int64_t now) {
    const bool onGrid = started_ && now - due_ <= period_ && due_ - now <= period_;
    due_ = (onGrid ? due_ : now) + period_;
    earliest_ = now + period_ / 2;
    started_ = true;
}

bool PassPlan::Draws(const FramePacer& pacer, bool atOnce) {
    const std::int64_t ticks = atOnce ? 0 : pacer.TicksUntilDue(now_);
    wait_ = std::min(wait_.value_or(ticks), ticks);
    return ticks == 0;
}

} // namespace lumo
