#pragma once
// The snapshot file layout shared by the saver (writer) and the renderer (reader): a 24-bit,
// bottom-up, uncompressed BMP with a 14-byte file header and a 40-byte info header.
// Platform-free; both programs compile this one definition.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

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

// ---- Reader side -------------------------------------------------------------------------
// The renderer reads the file in three pieces (file header, info block up to the pixels, pixel
// block); the info block and the rows are allocated from sizes found in the file itself. These
// checks bound those sizes before anything is allocated, so a damaged or hostile file is refused
// instead of making the reader allocate a negative, tiny or huge buffer.

// The only depth the texture builder can take: it reads three bytes per pixel.
inline constexpr std::uint16_t kSnapshotBitCount = 24;

// Any real screen is far below this on either side; the bound keeps the pixel block of an
// accepted file under 16384 x 16384 x 3 bytes (768 MiB) before anyone allocates it.
inline constexpr std::int64_t kMaxSide = 16384;

// The info block is the 40-byte header plus whatever lies before the pixels (a colour table in
// other depths, nothing in ours). A few KiB would do; 64 KiB leaves room for odd writers while
// never letting bfOffBits ask for gigabytes.
inline constexpr std::size_t kMaxInfoBlockSize = 64 * 1024;

enum class Refusal : std::uint8_t {
    kNone,
    kNotBitmap,         // bfType is not "BM"
    kInfoBlockTooSmall, // bfOffBits below 54: no room for the 40-byte info header
    kInfoBlockTooLarge, // bfOffBits beyond 14 + kMaxInfoBlockSize
    kUnsupportedDepth,  // biBitCount other than 24
    kEmptyImage,        // zero width or zero height
    kNegativeWidth,     // no row can have a negative length
    kImageTooLarge,     // a side beyond kMaxSide
    kSizeImageTooSmall, // biSizeImage below |height| x stride: the builder would read past it
};

struct FileHeader {
    Refusal refusal = Refusal::kNone;
    std::uint32_t offBits = 0;
    std::size_t infoBlockBytes = 0; // offBits - 14: the bytes to read before the pixels
};

// Reads the 14-byte file header.
FileHeader ReadFileHeader(std::span<const std::uint8_t, kFileHeaderSize> bytes);

struct ImageLayout {
    Refusal refusal = Refusal::kNone;
    std::int32_t width = 0;  // biWidth as written
    std::int32_t height = 0; // biHeight as written; negative (top-down) is passed on unchanged
    std::uint16_t bitCount = 0;
    std::uint32_t sizeImage = 0;
    std::uint64_t stride = 0; // padded bytes per row
    // What the file's pixel block holds and the reader consumes: biSizeImage, or the rows' bytes.
    // Some writers pad the block beyond the last row, by any amount: the file alone tells whether
    // it holds the block, so nothing may be allocated from this number.
    std::size_t pixelBytes = 0;
    std::size_t rowBytes = 0; // |height| x stride: what is drawn, bounded by kMaxSide
    bool ok() const { return refusal == Refusal::kNone; }
};

// Reads the info block (everything between the file header and the pixels). Width and height
// are filled in whenever the block holds a whole info header, also when it is refused.
ImageLayout ReadInfoBlock(std::span<const std::uint8_t> infoBlock);

} // namespace lumo::bmp
