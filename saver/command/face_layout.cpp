#include "face_layout.h"

#include "property_bag.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace lumo {

std::optional<std::int16_t> ToInt16(double value) {
    // The default rounding mode sends halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::array<std::optional<FacePiece>, 8> FacePieces(double width, double height) {
    const double b = kFaceBorder;
    const double middleWidth = kFacePictureWidth - 2 * b;   // 840
    const double middleHeight = kFacePictureHeight - 2 * b; // 255
    const double right = kFacePictureWidth - b;             // 900
    const double bottom = kFacePictureHeight - b;           // 315
    const auto derived = [](double value) -> std::optional<double> {
        const auto held = ToInt16(value);
        if (!held) {
            return std::nullopt;
        }
        return static_cast<double>(*held);
    };
    const auto farX = derived(width - b);
    const auto farY = derived(height - b);
    const auto innerW = derived(width - 2 * b);
    const auto innerH = derived(height - 2 * b);
    const bool roomAcross = innerW && *innerW > 0;
    const bool roomDown = innerH && *innerH > 0;

    std::array<std::optional<FacePiece>, 8> pieces;
    pieces[0] = FacePiece{{1, 1, b, b}, {0, 0, b, b}};
    if (roomAcross) {
        pieces[1] = FacePiece{{b, 1, *innerW, b}, {b, 1, middleWidth, b}};
    }
    if (farX) {
        pieces[2] = FacePiece{{*farX, 1, b, b}, {right, 1, b, b}};
    }
    if (farX && roomDown) {
        pieces[3] = FacePiece{{*farX, b, b, *innerH}, {right, b, b, middleHeight}};
    }
    if (farX && farY) {
        pieces[4] = FacePiece{{*farX, *farY, b, b}, {right, bottom, b, b}};
    }
    if (farY && roomAcross) {
        pieces[5] = FacePiece{{b, *farY, *innerW, b}, {b, bottom, middleWidth, b}};
    }
    if (farY) {
        pieces[6] = FacePiece{{1, *farY, b, b}, {0, bottom, b, b}};
    }
    if (roomDown) {
        pieces[7] = FacePiece{{1, b, b, *innerH}, {1, b, b, middleHeight}};
    }
    return pieces;
}

double CaptionTop(double height, double captionHeight) {
    return (height - captionHeight - kCaptionLift) / 2;
}

namespace {

// "C6" & "00", read as a 16-bit hexadecimal number: the channel in the high byte.
std::uint16_t ChannelOfDigits(const std::string& digits) {
    return static_cast<std::uint16_t>(std::stoul(digits + "00", nullptr, 16));
}

} // namespace

Channels ChannelsOfColourText(std::string_view text) {
    const auto number = NumberOfText(text);
    if (!number || *number < 0 || *number > 0xFFFFFF || std::trunc(*number) != *number) {
        throw std::invalid_argument("not a colour");
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06lX", static_cast<unsigned long>(*number));
    const std::string digits(hex);
    return Channels{ChannelOfDigits(digits.substr(0, 2)), ChannelOfDigits(digits.substr(2, 2)),
                    ChannelOfDigits(digits.substr(4, 2))};
}

std::optional<std::array<GradientVertex, 2>> GradientVertices(double widthPixels,
                                                              double heightPixels, bool inverted) {
    if (!(widthPixels >= 1 && heightPixels >= 1)) {
        return std::nullopt;
    }
    const auto right = std::nearbyint(widthPixels - 1);
    const auto bottom = std::nearbyint(heightPixels - 1);
    if (right > INT32_MAX || bottom > INT32_MAX) {
        return std::nullopt;
    }
    const Channels light = ChannelsOfColourText(kGradientLight);
    const Channels shade = ChannelsOfColourText(kGradientShade);
    return std::array<GradientVertex, 2>{GradientVertex{0, 0, inverted ? shade : light},
                                         GradientVertex{static_cast<std::int32_t>(right),
                                                        static_cast<std::int32_t>(bottom),
                                                        inverted ? light : shade}};
}

} // namespace lumo
