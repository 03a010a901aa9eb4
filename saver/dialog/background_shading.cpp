#include "background_shading.h"

#include <cmath>

namespace lumo {

namespace {
// The design's constant, kept as written: pi would put the last row exactly on the zero.
constexpr double kHalfTurn = 3.142;
constexpr double kBrightest = 220.0;
} // namespace

std::int32_t LastShadedRow(double height) {
    return static_cast<std::int32_t>(std::nearbyint(height));
}

int ShadeLevel(std::int32_t y, double height) {
    const double k = height / kHalfTurn;
    return static_cast<int>(std::nearbyint(std::fabs(std::sin(y / k) * kBrightest)));
}

RowColour WindowRowColour(std::int32_t y, double height) {
    const int c = ShadeLevel(y, height);
    return RowColour{c, c, c + 30};
}

RowColour PanelRowColour(std::int32_t y, double height) {
    const int c = ShadeLevel(y, height) + 30;
    return RowColour{c, c, c};
}

} // namespace lumo
