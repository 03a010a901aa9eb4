#include "wide_text.h"

#include <windows.h>

namespace lumo {
namespace {
constexpr UINT kCp932 = 932;

// No best-fit substitutes: "é" is not "e". `lost`, when given, tells whether a character had no
// form (it became the code page's default character, '?').
std::string Cp932Of(std::wstring_view text, bool* lost) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    BOOL lostHere = FALSE;
    BOOL* const lostOut = lost != nullptr ? &lostHere : nullptr;
    const int needed = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr,
                                           0, nullptr, lostOut);
    std::string bytes(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), needed,
                            nullptr, lostOut);
    }
    if (lost != nullptr) {
        *lost = needed <= 0 || lostHere != FALSE;
    }
    return bytes;
}

} // namespace

std::wstring FromCp932(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(kCp932, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(kCp932, 0, text.data(), size, wide.data(), needed);
    return wide;
}

std::optional<std::string> ToCp932(std::wstring_view text) {
    bool lost = false;
    std::string bytes = Cp932Of(text, &lost);
    if (lost) {
        return std::nullopt;
    }
    return bytes;
}

std::string ToCp932Replacing(std::wstring_view text) {
    return Cp932Of(text, nullptr);
}

} // namespace lumo
