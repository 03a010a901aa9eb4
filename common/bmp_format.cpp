#include "bmp_format.h"

#include <limits>

namespace lumo::bmp {
namespace {

std::uint16_t Get16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t Get32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

void Put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
    }
}

} // namespace

std::uint64_t RowStride(std::uint16_t bitCount, std::int64_t width) {
    if (width <= 0) {
        return 0;
    }
    // bitCount < 2^16 and width < 2^63 would overflow a 64-bit product; split the width into
    // whole 32-bit words first, which keeps every intermediate small enough.
    const auto w = static_cast<std::uint64_t>(width);
    const std::uint64_t bits = bitCount;
    constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t whole = w / 32;
    if (bits != 0 && whole > kSaturated / 4 / bits) {
        return kSaturated;
    }
    // (w / 32) * 32 * bits bits fill exactly (w / 32) * bits words; the rest is rounded up.
    const std::uint64_t words = whole * bits + ((w % 32) * bits + 31) / 32;
    if (words > kSaturated / 4) {
        return kSaturated;
    }
    return words * 4;
}

std::array<std::uint8_t, kHeadersSize> EncodeSnapshotHeaders(std::int32_t width,
                                                             std::int32_t height) {
    std::array<std::uint8_t, kHeadersSize> h{};
    const std::uint64_t stride = RowStride(kSnapshotBitCount, width);
    const std::uint64_t rows = height > 0 ? static_cast<std::uint64_t>(height) : 0;
    const std::uint64_t image = stride * rows;
    const std::uint64_t file = image + kHeadersSize;
    constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();
    Put16(&h[0], kTypeBM);
    Put32(&h[2], static_cast<std::uint32_t>(file > kMax32 ? kMax32 : file));
    Put32(&h[10], static_cast<std::uint32_t>(kHeadersSize));
    Put32(&h[14], static_cast<std::uint32_t>(kInfoHeaderSize));
    Put32(&h[18], static_cast<std::uint32_t>(width));
    Put32(&h[22], static_cast<std::uint32_t>(height));
    Put16(&h[26], 1);
    Put16(&h[28], kSnapshotBitCount);
    Put32(&h[30], 0);
    Put32(&h[34], static_cast<std::uint32_t>(image > kMax32 ? 0 : image));
    return h;
}

FileHeader ReadFileHeader(std::span<const std::uint8_t, kFileHeaderSize> bytes) {
    FileHeader h;
    h.offBits = Get32(bytes, 10);
    if (Get16(bytes, 0) != kTypeBM) {
        h.refusal = Refusal::kNotBitmap;
        return h;
    }
    if (h.offBits < kHeadersSize) {
        h.refusal = Refusal::kInfoBlockTooSmall;
        return h;
    }
    const std::uint64_t info = std::uint64_t{h.offBits} - kFileHeaderSize;
    if (info > kMaxInfoBlockSize) {
        h.refusal = Refusal::kInfoBlockTooLarge;
        return h;
    }
    h.infoBlockBytes = static_cast<std::size_t>(info);
    return h;
}

ImageLayout ReadInfoBlock(std::span<const std::uint8_t> infoBlock) {
    ImageLayout l;
    if (infoBlock.size() < kInfoHeaderSize) {
        l.refusal = Refusal::kInfoBlockTooSmall;
        return l;
    }
    // Offsets below are relative to the info header, which starts at file offset 14.
    l.width = static_cast<std::int32_t>(Get32(infoBlock, 4));
    l.height = static_cast<std::int32_t>(Get32(infoBlock, 8));
    l.bitCount = Get16(infoBlock, 14);
    l.sizeImage = Get32(infoBlock, 20);

    if (l.bitCount != kSnapshotBitCount) {
        l.refusal = Refusal::kUnsupportedDepth;
        return l;
    }
    if (l.width == 0 || l.height == 0) {
        l.refusal = Refusal::kEmptyImage;
        return l;
    }
    if (l.width < 0) {
        l.refusal = Refusal::kNegativeWidth;
        return l;
    }
    // 64-bit magnitude: |INT32_MIN| does not fit in 32 bits.
    const std::int64_t rows = l.height < 0 ? -std::int64_t{l.height} : std::int64_t{l.height};
    if (l.width > kMaxSide || rows > kMaxSide) {
        l.refusal = Refusal::kImageTooLarge;
        return l;
    }
    l.stride = RowStride(l.bitCount, l.width);
    const std::uint64_t needed = l.stride * static_cast<std::uint64_t>(rows); // < 2^30 here
    l.rowBytes = static_cast<std::size_t>(needed);
    if (l.sizeImage == 0) {
        l.pixelBytes = l.rowBytes;
        return l;
    }
    if (l.sizeImage < needed) {
        l.refusal = Refusal::kSizeImageTooSmall;
        return l;
    }
    l.pixelBytes = l.sizeImage;
    return l;
}

} // namespace lumo::bmp
