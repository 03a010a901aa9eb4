#pragma once
// Paths past the classic limit of 260 characters: the file functions take them only in their
// extended-length form ("\\?\C:\…", "\\?\UNC\server\share\…"). A program folder that deep is
// rare but real (nested synced folders), and without this every file of the program beside it
// would seem missing.

#include <string>
#include <string_view>

namespace lumo {

// The classic limit of a path the file functions take as it is, its terminating NUL included.
inline constexpr std::size_t kClassicPathLimit = 260;

// `path` as the file functions take it: unchanged while it is shorter than the classic limit or
// is not a full drive or network path (or already in the extended form), else in the
// extended-length form.
std::wstring FileFunctionPath(std::wstring_view path);

} // namespace lumo
