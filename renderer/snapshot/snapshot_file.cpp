#include "snapshot_file.h"

#include "win32_handles.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

namespace lumo {

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
    win::KernelHandle file(CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    // An empty file cannot be mapped; it is simply too short for the file header.
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0) {
        return SnapshotImage{};
    }
    SnapshotImage unmapped;
    unmapped.outcome = SnapshotOutcome::kOutOfMemory;
    if (static_cast<std::uint64_t>(size.QuadPart) > SIZE_MAX) {
        return unmapped;
    }
    const win::KernelHandle mapping(
        CreateFileMappingW(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    void* view = mapping.Valid() ? MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0) : nullptr;
    if (view == nullptr) {
        return unmapped;
    }
    const std::shared_ptr<const void> owner(view, [](const void* v) { UnmapViewOfFile(v); });
    MemorySource source(static_cast<const std::uint8_t*>(view),
                        static_cast<std::size_t>(size.QuadPart), owner);
    return ReadSnapshot(source);
}

void RemoveSnapshotFile(const char* path) {
    const std::wstring widePath = WidePath(path);
    if (!widePath.empty()) {
        DeleteFileW(widePath.c_str());
    }
}

} // namespace lumo
