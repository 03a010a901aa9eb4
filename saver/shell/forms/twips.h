#pragma once
// Twips: the unit of all form and control geometry, 1/1440 inch. The saver assumes the standard
// 96 dots per inch, where one pixel is 15 twips, as its designs were laid out for it.

#include <cstdint>

namespace lumo {

inline constexpr int kTwipsPerPixel = 15;

constexpr std::int64_t PixelsToTwips(std::int64_t pixels) {
    return pixels * kTwipsPerPixel;
}

// The one conversion of a design's twips to whole pixels: the nearest pixel, half away from zero
// (15 is odd, so whole twips never tie; a 1-twip offset falls on pixel 0). Every form and control
// places itself through it, so the same twips land on the same pixel everywhere.
constexpr int TwipsToPixels(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    return pixels >= 0 ? static_cast<int>(pixels + 0.5) : -static_cast<int>(-pixels + 0.5);
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
