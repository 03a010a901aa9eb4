#pragma once
// Frame timing from the high-resolution counter: every motion of the scene is scaled by the
// step this clock hands out, so the animation runs at the same speed at any frame rate.

#include <cstdint>

namespace lumo {

class FrameClock {
  public:
    void Start(std::int64_t countFrequency, std::int64_t startCount) {
        countFrequency_ = countFrequency;
        startCount_ = startCount;
        elapsedSeconds_ = 0.0f;
        frameSeconds_ = 0.0f;
    }

    // Called at the start of each frame with the counter's current value. The first step
    // covers everything since Start, snapshot loading included.
    float Step(std::int64_t now) {
        const double seconds =
            static_cast<double>(now - startCount_) / static_cast<double>(countFrequency_);
        // Measured against the previous time as stored, so no step counts time that the
        // step before it already covered.
        frameSeconds_ = static_cast<float>(seconds - static_cast<double>(elapsedSeconds_));
        elapsedSeconds_ = static_cast<float>(seconds);
        return frameSeconds_;
    }

    float elapsedSeconds() const { return elapsedSeconds_; }
    float frameSeconds() const { return frameSeconds_; }

  private:
    std::int64_t countFrequency_ = 1;
    std::int64_t startCount_ = 0;
    float elapsedSeconds_ = 0.0f;
    float frameSeconds_ = 0.0f;
};

} // namespace lumo
