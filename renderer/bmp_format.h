#pragma once
// The snapshot file layout shared by the saver (writer) and the renderer (reader): a 24-bit,
// bottom-up, uncompressed BMP with a 14-byte file header and a 40-byte info header.
// Platform-free; both programs compile this one definition.

#include <array>
#include <cstddef>
#include <cstdint>

namespace lumo::bmp {

inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::size_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize; // 54
inline constexpr std::uint16_t kTypeBM = 0x4D42;

// Bytes in one padded row: ((bitCount * width + 31) / 32) * 4, computed without overflow.
std::uint64_t RowStride(std::uint16_t bitCount, std::int64_t width);

// The 54 header bytes the saver writes before the pixel rows of a width x height snapshot
// (24 bits per pixel, positive height, biSizeImage and bfSize filled in).
std::array<std::uint8_t, kHeadersSize> EncodeSnapshotHeaders(std::int32_t width,
                                                             std::int32_t height);

} // namespace lumo::bmp
