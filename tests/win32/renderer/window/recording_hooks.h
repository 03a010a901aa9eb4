#pragma once
// The measuring points of the renderer, recorded for a test that runs the real program in its
// own process: which monitor drew a frame, and with what step.

#include <cstddef>
#include <vector>

namespace lumo::testing {

struct DrawnFrame {
    std::size_t view;
    float seconds;
};

const std::vector<DrawnFrame>& DrawnFrames();

} // namespace lumo::testing
