#include "snapshot_file.h"

#include <algorithm>
#include <string>

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
    // The path is the program's own text, code page 932 like the saver's: read as such on a
    // system of any code page.
    const int size = MultiByteToWideChar(932, 0, path, -1, nullptr, 0);
    std::wstring widePath(static_cast<std::size_t>(size > 0 ? size : 1), L'\0');
    if (size > 0) {
        MultiByteToWideChar(932, 0, path, -1, widePath.data(), size);
    }
    win::KernelHandle file(CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        return SnapshotImage{};
    }
    FileSource source(std::move(file));
    return ReadSnapshot(source);
}

} // namespace lumo
