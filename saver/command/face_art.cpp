#include "face_art.h"

#include <algorithm>
#include <cmath>

namespace lumo {

namespace {

constexpr Rgb kFrame{0, 60, 116};
constexpr Rgb kFace{243, 243, 238};
constexpr Rgb kBottomBand{214, 208, 197};
constexpr Rgb kLeftLight{252, 252, 250};
constexpr Rgb kHoverFace{253, 253, 251};
constexpr Rgb kAmberTop{255, 240, 207};
constexpr Rgb kAmberMiddle{252, 210, 121};
constexpr Rgb kAmberBottom{229, 151, 0};
constexpr Rgb kBlueTop{206, 231, 255};
constexpr Rgb kBlueBottom{105, 130, 238};
constexpr Rgb kPressedFace{226, 225, 217};
constexpr Rgb kPressedShadow{206, 203, 190};
constexpr Rgb kDisabledFrame{201, 199, 186};
constexpr Rgb kDisabledFace{245, 244, 234};
constexpr Rgb kMarginShade{230, 227, 209}; // the margin beside a rounded corner

constexpr int kCornerRadius = 4;

Rgb Mix(Rgb a, Rgb b, double t) {
    const auto channel = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return Rgb{channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

// How deep a pixel lies inside a rounded rectangle: 0 on its outermost ring, 1 on the next and
// so on; negative outside the rounded corners. The rectangle is the picture less `inset` pixels
// on every side.
int Ring(int x, int y, int inset) {
    const int dx = std::min(x, kFaceArtWidth - 1 - x) - inset;
    const int dy = std::min(y, kFaceArtHeight - 1 - y) - inset;
    if (dx < 0 || dy < 0) {
        return -1;
    }
    if (dx < kCornerRadius && dy < kCornerRadius) {
        const double cx = kCornerRadius - dx - 0.5;
        const double cy = kCornerRadius - dy - 0.5;
        const double depth = kCornerRadius - std::sqrt(cx * cx + cy * cy);
        return depth < 0 ? -1 : static_cast<int>(depth);
    }
    return std::min(dx, dy);
}

// A colour running down the picture's inner rows, from `top` through `middle` to `bottom`.
Rgb Down(int y, Rgb top, Rgb middle, Rgb bottom) {
    const double t = std::clamp((y - 2) / double(kFaceArtHeight - 5), 0.0, 1.0);
    return t < 0.5 ? Mix(top, middle, t * 2) : Mix(middle, bottom, (t - 0.5) * 2);
}

// The face inside the frame line of an unpressed button.
Rgb PlainFace(int x, int y) {
    if (y >= kFaceArtHeight - 4) {
        // The darker band along the bottom deepens towards the frame.
        return Mix(kFace, kBottomBand, (y - (kFaceArtHeight - 5)) / 2.0);
    }
    if (x == 2) {
        return kLeftLight;
    }
    return kFace;
}

Rgb Pixel(FaceArt art, int x, int y) {
    if (art == FaceArt::Pressed) {
        // One pixel smaller on every side, inside a beige ring.
        const int ring = Ring(x, y, 1);
        if (ring < 0) {
            return Ring(x, y, 0) < 0 ? kMarginShade : kFaceMargin;
        }
        if (ring == 0) {
            return kFaceMargin;
        }
        if (ring == 1) {
            return kFrame;
        }
        // The inner shadow of a pushed-in button, along the top and the left.
        if (ring == 2 && (x == 3 || y == 3)) {
            return kPressedShadow;
        }
        if (ring == 3 && (x == 4 || y == 4)) {
            return Mix(kPressedShadow, kPressedFace, 0.5);
        }
        return kPressedFace;
    }
    const int ring = Ring(x, y, 0);
    if (ring < 0) {
        return kMarginShade;
    }
    if (ring == 0) {
        return kFaceMargin;
    }
    if (ring == 1) {
        return art == FaceArt::Disable ? kDisabledFrame : kFrame;
    }
    switch (art) {
    case FaceArt::HighLight:
        if (ring <= 3) {
            return Down(y, kAmberTop, kAmberMiddle, kAmberBottom);
        }
        return kHoverFace;
    case FaceArt::Selected:
        if (ring <= 3) {
            return Down(y, kBlueTop, Mix(kBlueTop, kBlueBottom, 0.5), kBlueBottom);
        }
        return kFace;
    case FaceArt::Disable:
        return kDisabledFace;
    default:
        return PlainFace(x, y);
    }
}

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

} // namespace

Rgb FaceArtPixel(FaceArt art, int x, int y) {
    return Pixel(art, x, y);
}

std::vector<std::uint8_t> FaceArtBitmap(FaceArt art) {
    const std::uint32_t stride = ((kFaceArtWidth * 3 + 3) / 4) * 4;
    const std::uint32_t pixelBytes = stride * kFaceArtHeight;
    std::vector<std::uint8_t> out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, 54 + pixelBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, kFaceArtWidth, 4);
    PutLe(out, kFaceArtHeight, 4); // positive: bottom-up
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4); // BI_RGB
    PutLe(out, pixelBytes, 4);
    PutLe(out, 3780, 4); // 96 dots per inch
    PutLe(out, 3780, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = kFaceArtHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kFaceArtWidth; ++x) {
            const Rgb c = Pixel(art, x, y);
            out.push_back(c.blue);
            out.push_back(c.green);
            out.push_back(c.red);
        }
        for (std::uint32_t pad = kFaceArtWidth * 3; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

std::string FaceArtFileName(FaceArt art) {
    switch (art) {
    case FaceArt::Normal:
        return "normal.bmp";
    case FaceArt::HighLight:
        return "highlight.bmp";
    case FaceArt::Pressed:
        return "pressed.bmp";
    case FaceArt::Disable:
        return "disable.bmp";
    case FaceArt::Selected:
        return "selected.bmp";
    }
    return "unknown.bmp";
}

} // namespace lumo
