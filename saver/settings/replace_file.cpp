#include "replace_file.h"

#include "wide_text.h"
#include "win32_handles.h"

#include <windows.h>

#include <limits>

namespace lumo {

std::wstring TemporaryPathFor(const std::wstring& path) {
    return path + L".tmp";
}

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
                     std::initializer_list<std::span<const std::uint8_t>> pieces,
                     SECURITY_ATTRIBUTES* security) {
    return ReplaceFileWith(FromCp932(path), pieces, security);
}

bool ReplaceFileWith(const std::wstring& path,
                     std::initializer_list<std::span<const std::uint8_t>> pieces,
                     SECURITY_ATTRIBUTES* security) {
    const std::wstring temporary = TemporaryPathFor(path);
    // A file that exists is opened with the security it has, the given one ignored: a leftover
    // temporary (of an interrupted save, or put there by someone else) must go, and the new one
    // be made fresh, or the bytes would land under another's rules.
    if (security != nullptr) {
        ::DeleteFileW(temporary.c_str());
    }
    bool written = false;
    {
        win::KernelHandle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, security,
                                             security != nullptr ? CREATE_NEW : CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                             nullptr));
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
    if (written && ::MoveFileExW(temporary.c_str(), path.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    ::DeleteFileW(temporary.c_str());
    return false;
}

} // namespace lumo
