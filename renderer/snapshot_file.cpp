#include "snapshot_file.h"

#include <algorithm>

namespace lumo {

std::size_t FileSource::Read(std::uint8_t* destination, std::size_t size) {
    // ReadFile counts in 32 bits; a pixel block may in principle be larger than one call takes.
    constexpr std::size_t kChunk = 1u << 30;
    std::size_t total = 0;
    while (total < size) {
        const auto want = static_cast<DWORD>(std::min(kChunk, size - total));
        DWORD got = 0;
        if (!ReadFile(file_.Get(), destination + total, want, &got, nullptr) || got == 0) {
            break;
        }
        total += got;
    }
    return total;
}

SnapshotImage ReadSnapshotFile(const char* path) {
    win::KernelHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        return SnapshotImage{};
    }
    FileSource source(std::move(file));
    return ReadSnapshot(source);
}

} // namespace lumo
