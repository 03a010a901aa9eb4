#pragma once
// The six face pictures of the button, drawn pixel by pixel: a rounded themed button of
// 64 x 25 pixels with a one-pixel light beige margin, corners rounded within 4 x 4 pixels and
// the 4-pixel border the nine-piece drawing takes its frame from. make_faces writes them out as
// 24-bit BMP files; the program carries those files.

#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The pictures as files; HighLightSelect uses the HighLight file.
enum class FaceArt { Normal, HighLight, Pressed, Disable, Selected };

inline constexpr int kFaceArtWidth = 64;
inline constexpr int kFaceArtHeight = 25;
inline constexpr Rgb kFaceMargin{236, 233, 216};

// The colour of a pixel, (0, 0) the top-left one.
Rgb FaceArtPixel(FaceArt art, int x, int y);

// The whole picture as a 24-bit bottom-up BMP file.
std::vector<std::uint8_t> FaceArtBitmap(FaceArt art);

// Its file name in the faces folder ("normal.bmp" ...).
std::string FaceArtFileName(FaceArt art);

} // namespace lumo
