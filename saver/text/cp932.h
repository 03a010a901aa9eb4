#pragma once
// Characters of a code page 932 (Shift_JIS) string. The command line reaches the saver's rules
// as code page 932 bytes, but they speak of characters: the mode letter at position 2, the window
// number from position 4. A trail byte can look like '\\', 'W' or 'A', so positions must be
// counted in characters, never in bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumo::cp932 {

// True for the first byte of a two-byte character.
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The text cut into characters, each a view of one or two bytes. A lead byte at the very end
// stands alone.
std::vector<std::string_view> Characters(std::string_view text);

// Upper-cases the ASCII letters; every other character stays as it is.
std::string UpperAscii(std::string_view text);

// The last `count` characters (all of them when the text is shorter).
std::string_view LastChars(std::string_view text, std::size_t count);

} // namespace lumo::cp932
