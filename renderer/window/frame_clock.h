#pragma once
// Frame timing from the high-resolution counter: every motion of the scene is scaled by the
// step this clock hands out, so the animation runs at the same speed at any frame rate.
//
// Time is kept in counter ticks, never as accumulated seconds: a screen saver runs for days, and
// a 32-bit float of elapsed seconds rounds each step to 1/128 s after a day and a half. A step is
// the tick difference since the previous frame, so it is as exact after a week as in the first
// minute.
//
// After the first, a step is never longer than kLongestStepSeconds nor below zero: a longer one
// is no frame's time but the counter's jump (a system resumed from sleep without the display's
// notice) or a stall, and the animation goes on from where it was, as after the display comes
// back, rather than leaping ahead.

#include <algorithm>
#include <cstdint>

namespace lumo {

class FrameClock {
  public:
    static constexpr double kLongestStepSeconds = 0.25;

    void Start(std::int64_t countFrequency, std::int64_t startCount) {
        countFrequency_ = countFrequency > 0 ? countFrequency : 1;
        startCount_ = startCount;
        previousCount_ = startCount;
        frameSeconds_ = 0.0f;
        stepped_ = false;
    }

    // Called at the start of each frame with the counter's current value. The first step
    // covers everything since Start, snapshot loading included.
    float Step(std::int64_t now) {
        double seconds = SecondsOf(now - previousCount_);
        if (stepped_) {
            seconds = std::clamp(seconds, 0.0, kLongestStepSeconds);
        }
        frameSeconds_ = static_cast<float>(seconds);
        previousCount_ = now;
        stepped_ = true;
        return frameSeconds_;
    }

    // Counts the next step from `now`: the time since the last frame (the display was off, say)
    // is left out of the animation, which goes on where it stopped.
    void Resume(std::int64_t now) { previousCount_ = now; }

    double elapsedSeconds() const { return SecondsOf(previousCount_ - startCount_); }
    float frameSeconds() const { return frameSeconds_; }

  private:
    double SecondsOf(std::int64_t ticks) const {
        return static_cast<double>(ticks) / static_cast<double>(countFrequency_);
    }

    std::int64_t countFrequency_ = 1;
    std::int64_t startCount_ = 0;
    std::int64_t previousCount_ = 0;
    float frameSeconds_ = 0.0f;
    bool stepped_ = false;
};

} // namespace lumo
