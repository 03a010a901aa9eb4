#include "snapshot_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

namespace lumo {

std::size_t MemorySource::Read(std::uint8_t* destination, std::size_t size) {
    const std::size_t n = std::min(size, size_ - position_);
    if (n != 0) {
        std::memcpy(destination, data_ + position_, n);
    }
    position_ += n;
    return n;
}

std::optional<LentBytes> MemorySource::Lend(std::size_t size) {
    const std::size_t n = std::min(size, size_ - position_);
    LentBytes lent{{data_ + position_, n}, owner_};
    position_ += n;
    return lent;
}

namespace {

// Consumes `size` bytes; false when the source ends first.
bool Skip(ByteSource& source, std::size_t size) {
    std::array<std::uint8_t, 4096> piece{};
    while (size > 0) {
        const std::size_t want = std::min(size, piece.size());
        if (source.Read(piece.data(), want) != want) {
            return false;
        }
        size -= want;
    }
    return true;
}

} // namespace

SnapshotImage ReadSnapshot(ByteSource& source) {
    SnapshotImage image;

    std::array<std::uint8_t, bmp::kFileHeaderSize> fileHeader{};
    if (source.Read(fileHeader.data(), fileHeader.size()) != fileHeader.size()) {
        image.outcome = SnapshotOutcome::kShortFileHeader;
        return image;
    }
    const bmp::FileHeader header = bmp::ReadFileHeader(fileHeader);
    if (header.refusal != bmp::Refusal::kNone) {
        image.fileRefusal = header.refusal;
        image.outcome = SnapshotOutcome::kBadFileHeader;
        return image;
    }

    // Bounded by kMaxInfoBlockSize, so this allocation stays small.
    std::vector<std::uint8_t> infoBlock(header.infoBlockBytes);
    if (source.Read(infoBlock.data(), infoBlock.size()) != infoBlock.size()) {
        image.outcome = SnapshotOutcome::kShortInfoBlock;
        return image;
    }
    image.layout = bmp::ReadInfoBlock(infoBlock);
    image.headersRead = true;
    if (!image.layout.ok()) {
        image.outcome = SnapshotOutcome::kBadInfoHeader;
        return image;
    }

    if (std::optional<LentBytes> lent = source.Lend(image.layout.pixelBytes)) {
        if (lent->bytes.size() != image.layout.pixelBytes) {
            image.outcome = SnapshotOutcome::kShortPixelBlock;
            return image;
        }
        image.pixels = lent->bytes.data();
        image.storage = std::move(lent->owner);
        image.outcome = SnapshotOutcome::kLoaded;
        return image;
    }

    // Only the rows are kept: the padding a writer may add after them is read past, a piece at a
    // time, so that its size, which only the file bounds, never decides an allocation.
    // Uninitialised on purpose: every byte is overwritten by the read or the load fails.
    std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[image.layout.rowBytes]);
    if (!pixels) {
        image.outcome = SnapshotOutcome::kOutOfMemory;
        return image;
    }
    if (source.Read(pixels.get(), image.layout.rowBytes) != image.layout.rowBytes ||
        !Skip(source, image.layout.pixelBytes - image.layout.rowBytes)) {
        image.outcome = SnapshotOutcome::kShortPixelBlock;
        return image;
    }
    image.pixels = pixels.get();
    image.storage = std::shared_ptr<std::uint8_t[]>(std::move(pixels));
    image.outcome = SnapshotOutcome::kLoaded;
    return image;
}

} // namespace lumo
