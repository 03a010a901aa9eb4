#include "whole_file.h"

#include "long_path.h"
#include "win32_handles.h"

#include <windows.h>

namespace lumo {

WholeFile ReadWholeFile(const std::wstring& path, std::uint64_t largestSize) {
    WholeFile file;
    // Shared for writing too, so that a file another program is writing can still be read.
    const win::KernelHandle handle(::CreateFileW(
        FileFunctionPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!handle.Valid()) {
        switch (::GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            file.result = FileReadResult::Missing;
            break;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            file.result = FileReadResult::Locked;
            break;
        default:
            file.result = FileReadResult::Unreadable;
            break;
        }
        return file;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle.Get(), &size) || size.QuadPart < 0) {
        return file;
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > largestSize || size.QuadPart > MAXDWORD) {
        file.result = FileReadResult::TooLarge;
        return file;
    }
    file.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!file.bytes.empty() &&
        (!::ReadFile(handle.Get(), file.bytes.data(), static_cast<DWORD>(file.bytes.size()), &read,
                     nullptr) ||
         read != file.bytes.size())) {
        file.bytes.clear();
        file.result = ::GetLastError() == ERROR_LOCK_VIOLATION ? FileReadResult::Locked
                                                               : FileReadResult::Unreadable;
        return file;
    }
    file.result = FileReadResult::Read;
    return file;
}

} // namespace lumo
