#pragma once
// The ASCII rules every reader of the saver's texts shares, whatever their encoding: a blank is a
// space or a tab, and only the 26 letters have a case. Characters beyond ASCII stay as they are,
// so a full-width letter or an accented one never matches an ASCII word.

#include <string>
#include <string_view>

namespace lumo::text {

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Upper-cases the ASCII letters of a UTF-16 text (code page 932 bytes: cp932::UpperAscii).
inline std::wstring UpperAscii(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
    }
    return out;
}

} // namespace lumo::text
