#include "replace_file.h"

#include "win32_handles.h"

#include <windows.h>

#include <limits>

namespace lumo {

std::string TemporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

namespace {

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(
            std::min<std::size_t>(bytes.size(), std::numeric_limits<DWORD>::max() / 2));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

} // namespace

bool ReplaceFileWith(const std::string& path,
                     std::initializer_list<std::span<const std::uint8_t>> pieces) {
    const std::string temporary = TemporaryPathFor(path);
    bool written = false;
    {
        win::KernelHandle file(
            ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!file.Valid()) {
            return false;
        }
        written = true;
        for (const auto piece : pieces) {
            if (!WriteAll(file.Get(), piece)) {
                written = false;
                break;
            }
        }
    } // closed before it is moved
    if (written && ::MoveFileExA(temporary.c_str(), path.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    ::DeleteFileA(temporary.c_str());
    return false;
}

} // namespace lumo
