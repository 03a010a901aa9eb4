#pragma once
// Text at the Windows boundary. The saver's own texts (captions, messages, keys, MCI strings)
// are code page 932 bytes in the source, whatever the system's code page; Windows is handed
// UTF-16 through the W functions, so they read the same on every system. Paths are UTF-16 from
// end to end and may hold characters that code page 932 has no form for.

#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// The UTF-16 form of code page 932 bytes. Never fails: a byte with no meaning is replaced as
// Windows itself replaces it when it reads such bytes.
std::wstring FromCp932(std::string_view text);

// The code page 932 form of a text, or nullopt when some character has none (no best-fit
// substitutes: "é" is not "e").
std::optional<std::string> ToCp932(std::wstring_view text);

// The code page 932 form of a text in which each character that has none becomes one '?' (again
// no best-fit substitutes), so that counting characters still finds the same positions.
std::string ToCp932Replacing(std::wstring_view text);

} // namespace lumo
