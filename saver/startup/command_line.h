#pragma once
// The screen-saver command line: the argument text after the program's name, the mode letter
// and the preview's parent window handle. Windows starts a saver as "x.scr /s", "x.scr /c:1234"
// or "x.scr /p 1234"; some hosts use "-" or upper case, so only the letter's position counts.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lumo {

// The argument text of a full process command line in code page 932: the program's
// name, quoted or not, and the blanks after it are dropped; the rest is kept whole, unsplit.
//
// Windows starts a saver with the path from its settings unquoted, so a folder such as
// "C:\Users\Mary Ann" puts blanks inside the program's name. When the line begins with one of
// `programPaths` (the forms of the running program's own path: long, short; ASCII letters in
// either case), quoted or not and followed by a blank or the end, exactly that path is the name.
// Otherwise the name ends at its closing quote or at the first blank.
std::string ArgumentsOf(std::string_view fullCommandLine,
                        std::span<const std::string> programPaths = {});

// The character at position 2 (counting from 1) of the upper-cased arguments, or an empty
// string when they are shorter than two characters.
std::string ModeLetter(std::string_view arguments);

// The mode letters the saver answers to: its session (/s), its settings window (/c) and the
// preview in the display settings (/p).
inline constexpr std::string_view kSessionMode = "S";
inline constexpr std::string_view kSettingsMode = "C";
inline constexpr std::string_view kPreviewMode = "P";

// The decimal number starting at position 4: blanks skipped, an optional sign, digits up to the
// first character that is not one. No digits give 0, and so does a number beyond the signed
// 32-bit range (no window can have it, and wrapping would name some other window).
std::int32_t ParentWindowHandle(std::string_view arguments);

} // namespace lumo
