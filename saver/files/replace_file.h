#pragma once
// Writes a file so that readers never see it half-written: the bytes go to a temporary file
// beside it, are flushed to the disk, and the temporary file then takes the old file's place in
// one step. A write that fails leaves the old file as it was, and says why it failed.

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace lumo {

// The temporary name used beside `path` (path + ".tmp").
std::wstring TemporaryPathFor(const std::wstring& path);
std::string TemporaryPathFor(const std::string& path);

enum class ReplaceFailure {
    None,
    FolderNotWritable, // the temporary file could not be made beside the file
    FileLocked,        // the file is held by another program (or is read-only) past the retries
    PathTooLong,       // beyond even the extended-length form
    WriteFailed,       // the disk refused the bytes (full, removed)
};

struct ReplaceResult {
    ReplaceFailure failure = ReplaceFailure::None;
    explicit operator bool() const { return failure == ReplaceFailure::None; }
};

// Writes the pieces one after the other to `path`. True when the file is in place whole.
// `security`, when given, is the new file's own from its creation and stays with it through the
// replace; without it the file takes what the folder gives.
ReplaceResult ReplaceFileWith(const std::wstring& path,
                              std::initializer_list<std::span<const std::uint8_t>> pieces,
                              SECURITY_ATTRIBUTES* security = nullptr);
// The same for one of the program's own paths in code page 932.
ReplaceResult ReplaceFileWith(const std::string& path,
                              std::initializer_list<std::span<const std::uint8_t>> pieces,
                              SECURITY_ATTRIBUTES* security = nullptr);

} // namespace lumo
