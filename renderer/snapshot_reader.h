#pragma once
// Reads the desktop snapshot in the order the file is laid out: the file header, the info block
// up to the pixels, then the pixel block, each piece allocated only after the sizes that decide
// it have been checked. The source of the bytes is abstract so the same steps run on a real
// file in the program and on memory in tests.

#include "bmp_format.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace lumo {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes into destination; returns how many arrived (fewer at the end).
    virtual std::size_t Read(std::uint8_t* destination, std::size_t size) = 0;
};

enum class SnapshotOutcome : std::uint8_t {
    kLoaded,
    kShortFileHeader, // fewer than 14 bytes
    kBadFileHeader,   // see fileRefusal
    kShortInfoBlock,  // the file ends before bfOffBits
    kBadInfoHeader,   // see layout.refusal
    kOutOfMemory,     // the pixel block could not be allocated
    kShortPixelBlock, // the file ends inside the pixel data
};

struct SnapshotImage {
    SnapshotOutcome outcome = SnapshotOutcome::kShortFileHeader;
    bmp::Refusal fileRefusal = bmp::Refusal::kNone;
    bool headersRead = false; // layout.width and layout.height come from the file
    bmp::ImageLayout layout;
    std::unique_ptr<std::uint8_t[]> pixels; // layout.pixelBytes bytes when loaded
    bool loaded() const { return outcome == SnapshotOutcome::kLoaded; }
};

SnapshotImage ReadSnapshot(ByteSource& source);

// A source over bytes already in memory.
class MemorySource final : public ByteSource {
  public:
    MemorySource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t Read(std::uint8_t* destination, std::size_t size) override;

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

} // namespace lumo
