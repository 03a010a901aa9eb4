#pragma once
// The scene's random numbers: a fixed-seed linear congruential generator, so that every run
// draws the same sequence and the first births look the same each time.

#include <cstdint>

namespace lumo {

class SceneRandom {
  public:
    // Seed 1 is the primary monitor's, so its run looks as it always has; every other monitor
    // starts from a seed of its own (SeedForMonitor).
    SceneRandom() = default;
    explicit SceneRandom(std::uint32_t seed) : state_(seed) {}
    // One draw: 0 to 32767, bits 16 to 30 of the advanced state.
    std::uint32_t Next() {
        state_ = state_ * 214013u + 2531011u;
        return (state_ >> 16) & 0x7FFFu;
    }
    std::uint32_t state() const { return state_; }

  private:
    std::uint32_t state_ = 1;
};

// The seed of the monitor at `index` in the order the system lists them, the primary being 0: a
// fixed sequence per monitor, the same in every run, and no two monitors alike (a multiplication
// by an odd constant is one-to-one, so distinct indexes give distinct states).
inline std::uint32_t SeedForMonitor(std::uint32_t index) {
    return 1u + index * 0x9E3779B9u;
}

// A value in [0, x) in steps of x / 32768. Returned wide: callers that add an offset do so
// before narrowing to float, so the sum is rounded once.
inline double RandomRange(SceneRandom& random, float x) {
    return static_cast<double>(random.Next()) * (1.0 / 32768.0) * static_cast<double>(x);
}

} // namespace lumo
