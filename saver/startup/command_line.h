#pragma once
// The screen-saver command line: the argument text after the program's name, the mode letter
// and the preview's parent window handle. Windows starts a saver as "x.scr /s", "x.scr /c:1234"
// or "x.scr /p 1234"; some hosts use "-" or upper case, so only the letter's position counts.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo {

// The argument text of a full process command line in code page 932: the program's
// name, quoted or not, and the blanks after it are dropped; the rest is kept whole, unsplit.
std::string ArgumentsOf(std::string_view fullCommandLine);

// The character at position 2 (counting from 1) of the upper-cased arguments, or an empty
// string when they are shorter than two characters.
std::string ModeLetter(std::string_view arguments);

// The decimal number starting at position 4: blanks skipped, an optional sign, digits up to the
// first character that is not one. No digits give 0, and so does a number beyond the signed
// 32-bit range (no window can have it, and wrapping would name some other window).
std::int32_t ParentWindowHandle(std::string_view arguments);

} // namespace lumo
