#pragma once
// Reads the desktop snapshot in the order the file is laid out: the file header, the info block
// up to the pixels, then the pixel block, each piece allocated only after the sizes that decide
// it have been checked, and the pixel block's padding never allocated at all. The source of the
// bytes is abstract so the same steps run on a real file in the program and on memory in tests. A
// source that already holds the bytes in memory (a mapped file) lends the pixel block in place, so
// the pixels are never copied.

#include "bmp_format.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace lumo {

// Bytes lent in place by a source, and what keeps them alive (empty when the caller does).
struct LentBytes {
    std::span<const std::uint8_t> bytes;
    std::shared_ptr<const void> owner;
};

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes into destination; returns how many arrived (fewer at the end).
    virtual std::size_t Read(std::uint8_t* destination, std::size_t size) = 0;
    // Consumes up to size bytes and lends them in place (fewer at the end); nothing when the
    // source does not hold its bytes in memory, and the caller then reads them.
    virtual std::optional<LentBytes> Lend(std::size_t /*size*/) { return std::nullopt; }
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
    // When loaded, the rows (layout.rowBytes bytes); the whole block when lent in place.
    const std::uint8_t* pixels = nullptr;
    std::shared_ptr<const void> storage; // what pixels points into, when not the caller's
    bool loaded() const { return outcome == SnapshotOutcome::kLoaded; }
};

SnapshotImage ReadSnapshot(ByteSource& source);

// A source over bytes already in memory, kept alive by owner (or by the caller when empty).
class MemorySource final : public ByteSource {
  public:
    MemorySource(const std::uint8_t* data, std::size_t size,
                 std::shared_ptr<const void> owner = nullptr)
        : data_(data), size_(size), owner_(std::move(owner)) {}
    std::size_t Read(std::uint8_t* destination, std::size_t size) override;
    std::optional<LentBytes> Lend(std::size_t size) override;

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::shared_ptr<const void> owner_;
    std::size_t position_ = 0;
};

} // namespace lumo
