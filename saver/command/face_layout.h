#pragma once
// The arithmetic of a face drawing, free of the platform: where the eight pieces of the
// nine-piece frame go, where the caption sits and the two corners of the gradient with their
// colours. Sizes are twips unless named pixels.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumo {

// Corner and border of a face picture, on both axes.
inline constexpr double kFaceBorder = 60;
// A face picture: 64 x 25 pixels.
inline constexpr double kFacePictureWidth = 960;
inline constexpr double kFacePictureHeight = 375;
inline constexpr int kFacePicturePixelsWide = 64;
inline constexpr int kFacePicturePixelsHigh = 25;
// The caption sits this much above the vertical centre, twice over.
inline constexpr double kCaptionLift = 20;
inline constexpr double kCaptionHeight = 195;

inline constexpr std::string_view kGradientLight = "&HFFFFFF";
inline constexpr std::string_view kGradientShade = "&HC6C5D7";

// A value derived from the control's size, held as a signed 16-bit integer: the nearest one,
// ties to even; none outside the range (the step that needs it fails).
std::optional<std::int16_t> ToInt16(double value);

struct TwipsRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct FacePiece {
    TwipsRect destination;
    TwipsRect source; // in the face picture
    friend bool operator==(const FacePiece&, const FacePiece&) = default;
};

// The eight pieces for a control of width x height twips, in drawing order: top-left corner,
// top edge, top-right corner, right edge, bottom-right corner, bottom edge, bottom-left corner,
// left edge. A piece is absent when a value it needs does not fit 16 bits, and an edge is absent
// when the control leaves it no room (narrower or lower than two borders), so that no negative
// or empty size is ever drawn; the corners are drawn as they are and may overlap then.
std::array<std::optional<FacePiece>, 8> FacePieces(double width, double height);

// The caption's top: centred on the control's height, lifted by half the caption lift.
double CaptionTop(double height, double captionHeight = kCaptionHeight);

// A colour as the gradient takes it: three 16-bit channels with the 8-bit value in the high
// byte.
struct Channels {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    friend bool operator==(const Channels&, const Channels&) = default;
};

// The channels of a colour text such as "&HC6C5D7", read as hexadecimal digits red, green,
// blue from the left. A number with fewer than six digits counts as if led by zeros. Throws
// std::invalid_argument for a text that is no number or no colour (negative, above &HFFFFFF).
Channels ChannelsOfColourText(std::string_view text);

struct GradientVertex {
    std::int32_t x = 0;
    std::int32_t y = 0;
    Channels colour;
    friend bool operator==(const GradientVertex&, const GradientVertex&) = default;
};

// The two corners of the gradient over an inner area of width x height pixels: light at the top
// and shade at the bottom, or the reverse when inverted. None when the area has no pixel.
std::optional<std::array<GradientVertex, 2>> GradientVertices(double widthPixels,
                                                              double heightPixels, bool inverted);

} // namespace lumo
