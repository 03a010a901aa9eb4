#include "wide_text.h"

#include <windows.h>

namespace lumo {
namespace {
constexpr UINT kCp932 = 932;
}

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
    if (text.empty()) {
        return std::string{};
    }
    const int size = static_cast<int>(text.size());
    BOOL lost = FALSE;
    const int needed = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr,
                                           0, nullptr, &lost);
    if (needed <= 0 || lost) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), needed,
                        nullptr, &lost);
    if (lost) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace lumo
