#include "decimal_text.h"

namespace lumo::text {

namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t DigitsFrom(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

} // namespace

std::optional<DecimalParts> ScanDecimal(std::string_view text, const DecimalSyntax& syntax) {
    DecimalParts parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    std::size_t end = DigitsFrom(text, i);
    parts.integerDigits = text.substr(i, end - i);
    i = end;
    if (syntax.fraction && i < text.size() && text[i] == '.') {
        end = DigitsFrom(text, i + 1);
        parts.fractionDigits = text.substr(i + 1, end - i - 1);
        i = end;
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
        return std::nullopt;
    }
    if (i < text.size() && syntax.exponentLetters.find(text[i]) != std::string_view::npos) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            parts.exponentNegative = text[i] == '-';
            ++i;
        }
        end = DigitsFrom(text, i);
        if (end == i) {
            return std::nullopt;
        }
        parts.exponentDigits = text.substr(i, end - i);
        i = end;
    }
    parts.length = i;
    return parts;
}

std::optional<std::uint64_t> DigitsValue(std::string_view digits, unsigned radix,
                                         std::uint64_t largest) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        unsigned digit = radix;
        if (IsDigit(c)) {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        }
        // Checked before the multiplication, so the arithmetic never leaves 64 bits.
        if (digit >= radix || digit > largest || value > (largest - digit) / radix) {
            return std::nullopt;
        }
        value = value * radix + digit;
    }
    return value;
}

} // namespace lumo::text
