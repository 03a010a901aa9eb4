#pragma once
// Twips: the unit of all form and control geometry, 1/1440 inch. The designs were laid out at the
// standard 96 dots per inch, where one pixel is 15 twips; on a screen of another DPI the same
// twips cover 1440 / DPI of a pixel each, so every form keeps its size in inches.

#include <cstdint>

namespace lumo {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kStandardDpi; // at the standard DPI

constexpr double PixelsToTwips(double pixels, int dpi) {
    return pixels * kTwipsPerInch / dpi;
}

// The one conversion of a design's twips to whole pixels: the nearest pixel, half away from zero
// (at 96 DPI, 15 is odd, so whole twips never tie; a 1-twip offset falls on pixel 0). Every form
// and control places itself through it, so the same twips land on the same pixel everywhere.
constexpr int TwipsToPixels(double twips, int dpi) {
    const double pixels = twips * dpi / kTwipsPerInch;
    return pixels >= 0 ? static_cast<int>(pixels + 0.5) : -static_cast<int>(-pixels + 0.5);
}

// A picture drawn for the standard DPI, in pixels of a screen of `dpi`: it lands on the pixels
// its twips do, so a picture and the control showing it keep the same size.
constexpr int ScaledFromStandard(int pixels, int dpi) {
    return TwipsToPixels(PixelsToTwips(pixels, kStandardDpi), dpi);
}

// Drawing units of a surface.
enum class ScaleMode { Twips, Pixels };

constexpr double ToPixels(double value, ScaleMode mode, int dpi) {
    return mode == ScaleMode::Twips ? value * dpi / kTwipsPerInch : value;
}

constexpr double FromPixels(double pixels, ScaleMode mode, int dpi) {
    return mode == ScaleMode::Twips ? PixelsToTwips(pixels, dpi) : pixels;
}

} // namespace lumo
