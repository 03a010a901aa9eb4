#pragma once
// Twips: the unit of all form and control geometry, 1/1440 inch. The saver assumes the standard
// 96 dots per inch, where one pixel is 15 twips, as its designs were laid out for it.

#include <cstdint>

namespace lumo {

inline constexpr int kTwipsPerPixel = 15;

constexpr std::int64_t PixelsToTwips(std::int64_t pixels) {
    return pixels * kTwipsPerPixel;
}

// Nearest whole pixel (15 is odd, so there is no tie; a 1-twip offset falls on pixel 0).
constexpr std::int64_t TwipsToPixels(std::int64_t twips) {
    const std::int64_t half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

// Drawing units of a surface.
enum class ScaleMode { Twips, Pixels };

constexpr double ToPixels(double value, ScaleMode mode) {
    return mode == ScaleMode::Twips ? value / kTwipsPerPixel : value;
}

constexpr double FromPixels(double pixels, ScaleMode mode) {
    return mode == ScaleMode::Twips ? pixels * kTwipsPerPixel : pixels;
}

} // namespace lumo
