#include "cp932.h"

namespace lumo::cp932 {

std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> chars;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t len =
            IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        chars.push_back(text.substr(i, len));
        i += len;
    }
    return chars;
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (IsLeadByte(c)) {
            ++i; // the trail byte is part of a wide character, never a letter
            continue;
        }
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string_view LastChars(std::string_view text, std::size_t count) {
    const auto chars = Characters(text);
    if (chars.size() <= count) {
        return text;
    }
    const auto first = chars[chars.size() - count];
    return text.substr(static_cast<std::size_t>(first.data() - text.data()));
}

} // namespace lumo::cp932
