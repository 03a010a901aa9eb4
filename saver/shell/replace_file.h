#pragma once
// Writes a file so that readers never see it half-written: the bytes go to a temporary file
// beside it, which then takes the old file's place in one step. A write that fails leaves the
// old file as it was.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace lumo {

// The temporary name used beside `path` (path + ".tmp").
std::string TemporaryPathFor(const std::string& path);

// Writes the pieces one after the other to `path` (code page 932). True when the file is in
// place whole.
bool ReplaceFileWith(const std::string& path,
                     std::initializer_list<std::span<const std::uint8_t>> pieces);

} // namespace lumo
