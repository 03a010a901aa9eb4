#pragma once
// Builds BMP files byte by byte for the reader's tests, independently of the writer under test,
// so that every header field can be set to a damaged value.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumo::testing {

struct BmpRecipe {
    std::uint16_t type = 0x4D42;
    std::uint32_t offBits = 54;
    std::uint32_t infoSize = 40;
    std::int32_t width = 4;
    std::int32_t height = 3;
    std::uint16_t bitCount = 24;
    std::uint32_t sizeImage = 0;
    // Pixel block: when empty, |height| rows of the stride computed here, filled with Pattern.
    bool fillPixels = true;
    std::size_t pixelBytesOverride = 0; // non-zero: exactly this many pixel bytes
    std::size_t trailingBytes = 0;      // extra bytes after the pixel block
};

inline void Put(std::vector<std::uint8_t>& out, std::size_t at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A byte that depends on row, column and channel, so that any shear or offset shows.
inline std::uint8_t Pattern(std::size_t row, std::size_t column, std::size_t channel) {
    return static_cast<std::uint8_t>(row * 31 + column * 7 + channel * 101 + 1);
}

inline std::size_t TestStride(std::int32_t width) {
    return ((static_cast<std::size_t>(width) * 3) + 3) / 4 * 4;
}

inline std::vector<std::uint8_t> BuildBmp(const BmpRecipe& s) {
    const std::int64_t height = s.height;
    const auto rows = static_cast<std::size_t>(height < 0 ? -height : height);
    const std::size_t stride = s.width > 0 ? TestStride(s.width) : 0;
    const std::size_t pixelBytes =
        s.pixelBytesOverride != 0 ? s.pixelBytesOverride : (s.fillPixels ? rows * stride : 0);
    const std::size_t headerEnd = s.offBits < 54 ? 54 : s.offBits;
    std::vector<std::uint8_t> out(headerEnd + pixelBytes + s.trailingBytes, 0xEE);
    Put(out, 0, s.type, 2);
    Put(out, 2, out.size(), 4);
    Put(out, 6, 0, 4);
    Put(out, 10, s.offBits, 4);
    Put(out, 14, s.infoSize, 4);
    Put(out, 18, static_cast<std::uint32_t>(s.width), 4);
    Put(out, 22, static_cast<std::uint32_t>(s.height), 4);
    Put(out, 26, 1, 2);
    Put(out, 28, s.bitCount, 2);
    Put(out, 30, 0, 4);
    Put(out, 34, s.sizeImage, 4);
    for (std::size_t at = 38; at < 54; ++at) {
        out[at] = 0;
    }
    for (std::size_t i = 0; i < pixelBytes; ++i) {
        const std::size_t row = stride != 0 ? i / stride : 0;
        const std::size_t inRow = stride != 0 ? i % stride : i;
        const std::size_t column = inRow / 3;
        out[headerEnd + i] = (s.width > 0 && column < static_cast<std::size_t>(s.width))
                                 ? Pattern(row, column, inRow % 3)
                                 : 0;
    }
    return out;
}

} // namespace lumo::testing
