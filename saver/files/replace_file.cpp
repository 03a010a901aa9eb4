#include "replace_file.h"

#include "long_path.h"
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

ReplaceFailure FailureOf(DWORD error) {
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return ReplaceFailure::FileLocked;
    case ERROR_FILENAME_EXCED_RANGE:
        return ReplaceFailure::PathTooLong;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ReplaceFailure::WriteFailed;
    default:
        return ReplaceFailure::FolderNotWritable;
    }
}

// A virus scanner or the indexer opens a new file for a moment as soon as it is closed; the
// replace waits that out instead of failing the save without cause.
constexpr int kReplaceAttempts = 20;
constexpr DWORD kReplacePauseMs = 50;

bool MayPass(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

} // namespace

ReplaceResult ReplaceFileWith(const std::string& path,
                              std::initializer_list<std::span<const std::uint8_t>> pieces,
                              SECURITY_ATTRIBUTES* security) {
    return ReplaceFileWith(FromCp932(path), pieces, security);
}

ReplaceResult ReplaceFileWith(const std::wstring& path,
                              std::initializer_list<std::span<const std::uint8_t>> pieces,
                              SECURITY_ATTRIBUTES* security) {
    const std::wstring target = FileFunctionPath(path);
    const std::wstring temporary = FileFunctionPath(TemporaryPathFor(path));
    // A file that exists is opened with the security it has, the given one ignored: a leftover
    // temporary (of an interrupted save, or put there by someone else) must go, and the new one
    // be made fresh, or the bytes would land under another's rules.
    if (security != nullptr) {
        ::DeleteFileW(temporary.c_str());
    }
    {
        win::KernelHandle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, security,
                                             security != nullptr ? CREATE_NEW : CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                             nullptr));
        if (!file.Valid()) {
            const DWORD error = ::GetLastError();
            return {error == ERROR_SHARING_VIOLATION ? ReplaceFailure::FileLocked
                                                     : FailureOf(error)};
        }
        bool written = true;
        for (const auto piece : pieces) {
            if (!WriteAll(file.Get(), piece)) {
                written = false;
                break;
            }
        }
        // On the disk before it takes the old file's place: a power cut after the replace must
        // not leave an empty or partial file where a whole one was.
        if (!written || !::FlushFileBuffers(file.Get())) {
            file.Reset();
            ::DeleteFileW(temporary.c_str());
            return {ReplaceFailure::WriteFailed};
        }
    } // closed before it is moved
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < kReplaceAttempts; ++attempt) {
        if (::MoveFileExW(temporary.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return {};
        }
        error = ::GetLastError();
        if (!MayPass(error)) {
            break;
        }
        ::Sleep(kReplacePauseMs);
    }
    ::DeleteFileW(temporary.c_str());
    // The temporary file was made, so the folder takes writes: what refuses is the file.
    return {error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                    error == ERROR_LOCK_VIOLATION
                ? ReplaceFailure::FileLocked
                : FailureOf(error)};
}

} // namespace lumo
