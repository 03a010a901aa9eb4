#include "capture_size.h"

namespace lumo {

namespace {

// The widest bitmap a device context will make, and far beyond any monitor.
constexpr int kLargestSide = 32767;

bool Usable(const PixelSize& size) {
    return size.width > 0 && size.height > 0 && size.width <= kLargestSide &&
           size.height <= kLargestSide;
}

} // namespace

PixelSize CaptureSizeFor(std::optional<PixelSize> physical, PixelSize asSeen) {
    if (physical && Usable(*physical)) {
        return *physical;
    }
    return Usable(asSeen) ? asSeen : PixelSize{};
}

} // namespace lumo
