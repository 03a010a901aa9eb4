#pragma once
// The saver's error policy for its event steps: a step that fails is skipped, the next one runs,
// and nothing is reported. Wrapping each step keeps one failure from taking the rest with it.

#include <utility>

namespace lumo {

template <class Step> void SkipOnError(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
        // Skipped by design: the caller's next step runs.
    }
}

} // namespace lumo
