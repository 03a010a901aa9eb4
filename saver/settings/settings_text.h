#pragma once
// The settings file's text, read and written by the saver itself rather than by the profile
// functions, which on a system of another code page would turn its code page 932 keys into
// "??" and a path such as "Café" into "Cafe". Two forms exist:
// - code page 932 bytes without a byte order mark, exactly as the profile functions write the
//   file on a Japanese system: every file whose text code page 932 can express;
// - UTF-16LE with a byte order mark, which the profile functions of every system read in both
//   their A and W forms: only when a value has no code page 932 form, and kept once chosen.
// Both are read the same whatever the system's code page. Platform-free but for the code page
// 932 conversions of wide_text.h.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// One key with the text to write; section and key are code page 932 bytes.
struct IniValue {
    std::string_view key;
    std::wstring value;
};

// The value of `key` in `section`, as GetPrivateProfileString reads it: blanks around it and a
// pair of enclosing quotes dropped, at most 255 bytes of a code page 932 file or 255 UTF-16
// units of a UTF-16 one. "" when the section or the key is missing.
std::wstring IniValueOf(std::span<const std::uint8_t> file, std::string_view section,
                        std::string_view key);

// The file after writing `values` into `section`, as WritePrivateProfileString would one after
// the other: an existing key's line takes the new value, a missing key follows the section's
// last entry, a missing section goes at the end; every other line stays as it was. A code page
// 932 file becomes UTF-16 only when a value cannot be written in code page 932.
std::vector<std::uint8_t> IniWithValues(std::span<const std::uint8_t> file,
                                        std::string_view section, std::span<const IniValue> values);

} // namespace lumo
