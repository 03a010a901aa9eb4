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
        if (!ReadFile(file_.get(), destination + total, want, &got, nullptr) || got == 0) {
            break;
        }
        total += got;
    }
    return total;
}

namespace {

// The name in the system's code page, as every caller holds it; empty when it does not convert.
std::wstring WidePath(const char* path) {
    const int units = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
    if (units <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, wide.data(), units);
    wide.resize(static_cast<std::size_t>(units - 1));
    return wide;
}

} // namespace

SnapshotImage ReadSnapshotFile(const char* path) {
    const std::wstring widePath = WidePath(path);
    if (widePath.empty()) {
        return SnapshotImage{};
    }
    UniqueHandle file(CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        return SnapshotImage{};
    }
    FileSource source(std::move(file));
    return ReadSnapshot(source);
}

} // namespace lumo
