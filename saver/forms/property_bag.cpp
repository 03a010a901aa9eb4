#include "property_bag.h"

#include "ascii_text.h"
#include "decimal_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace lumo {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text::IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && text::IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

// &H and &O literals: up to 16 bits they are the runtime's short integers, up to 32 bits its
// long ones, both read as signed (so &HFFFF is -1); a trailing & asks for the long reading.
std::optional<double> RadixNumber(std::string_view digits, int radix) {
    bool forceLong = false;
    if (!digits.empty() && digits.back() == '&') {
        forceLong = true;
        digits.remove_suffix(1);
    }
    if (digits.empty() || digits.size() > 22) {
        return std::nullopt;
    }
    // Beyond 32 bits it overflows even the long reading.
    const auto read = text::DigitsValue(digits, static_cast<unsigned>(radix), 0xFFFFFFFFu);
    if (!read) {
        return std::nullopt;
    }
    const std::uint64_t value = *read;
    if (!forceLong && value <= 0xFFFFu) {
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    }
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

std::optional<double> DecimalNumber(std::string_view text) {
    // The runtime also writes its exponents with a D (double precision).
    const auto parts = text::ScanDecimal(text, {.fraction = true, .exponentLetters = "eEdD"});
    if (!parts || parts->length != text.size()) {
        return std::nullopt;
    }
    // Rewritten in the C library's own form for strtod, which rounds correctly.
    std::string normal = parts->negative ? "-" : "";
    normal.append(parts->integerDigits).append(".").append(parts->fractionDigits);
    if (!parts->exponentDigits.empty()) {
        normal.append(parts->exponentNegative ? "e-" : "e").append(parts->exponentDigits);
    }
    const double value = std::strtod(normal.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The value as a number, or none for a text that does not read as one and for a font.
std::optional<double> NumberOf(const PropertyValue& value) {
    if (const auto* b = std::get_if<bool>(&value)) {
        return *b ? -1.0 : 0.0;
    }
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return static_cast<double>(*i);
    }
    if (const auto* d = std::get_if<double>(&value)) {
        return *d;
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        return NumberOfText(*s);
    }
    return std::nullopt;
}

} // namespace

std::optional<double> NumberOfText(std::string_view text) {
    text = Trimmed(text);
    if (text.size() >= 2 && text[0] == '&') {
        if (Lower(text[1]) == 'h') {
            return RadixNumber(text.substr(2), 16);
        }
        if (Lower(text[1]) == 'o') {
            return RadixNumber(text.substr(2), 8);
        }
        return std::nullopt;
    }
    return DecimalNumber(text);
}

bool ValuesEqual(const PropertyValue& value, const PropertyValue& fallback) {
    const auto* fontA = std::get_if<FontDesign>(&value);
    const auto* fontB = std::get_if<FontDesign>(&fallback);
    if (fontA != nullptr || fontB != nullptr) {
        return fontA != nullptr && fontB != nullptr && *fontA == *fontB;
    }
    const auto* textA = std::get_if<std::string>(&value);
    const auto* textB = std::get_if<std::string>(&fallback);
    if (textA != nullptr && textB != nullptr) {
        return *textA == *textB;
    }
    const auto a = NumberOf(value);
    const auto b = NumberOf(fallback);
    if (a && b) {
        return *a == *b;
    }
    // A text that is no number against a number or a flag: compare their texts ("True").
    return ToText(value) == ToText(fallback);
}

std::int64_t ToInteger(const PropertyValue& value, std::int64_t lowest, std::int64_t highest) {
    if (std::holds_alternative<std::string>(value)) {
        const auto& text = std::get<std::string>(value);
        if (SameLetters(Trimmed(text), "true")) {
            return ToInteger(true, lowest, highest);
        }
        if (SameLetters(Trimmed(text), "false")) {
            return ToInteger(false, lowest, highest);
        }
    }
    const auto number = NumberOf(value);
    if (!number) {
        throw std::invalid_argument("not a number");
    }
    // Halves go to the even neighbour, as the runtime's integer conversions round.
    const double rounded = std::nearbyint(*number);
    if (!(rounded >= static_cast<double>(lowest) && rounded <= static_cast<double>(highest))) {
        throw std::out_of_range("number out of range");
    }
    return static_cast<std::int64_t>(rounded);
}

bool ToBool(const PropertyValue& value) {
    return ToInteger(value, INT64_MIN, INT64_MAX) != 0;
}

std::string ToText(const PropertyValue& value) {
    if (const auto* b = std::get_if<bool>(&value)) {
        return *b ? "True" : "False";
    }
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return std::to_string(*i);
    }
    if (const auto* d = std::get_if<double>(&value)) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", *d);
        return buffer;
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        return *s;
    }
    throw std::invalid_argument("a font is not a text");
}

FontDesign ToFont(const PropertyValue& value) {
    if (const auto* f = std::get_if<FontDesign>(&value)) {
        return *f;
    }
    throw std::invalid_argument("not a font");
}

bool PropertyBag::KeyLess::operator()(std::string_view a, std::string_view b) const {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = Lower(a[i]);
        const char y = Lower(b[i]);
        if (x != y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        }
    }
    return a.size() < b.size();
}

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::string, PropertyValue>> entries) {
    for (const auto& [key, value] : entries) {
        entries_.insert_or_assign(key, value);
    }
}

PropertyValue PropertyBag::Read(std::string_view key, const PropertyValue& fallback) const {
    const auto it = entries_.find(key);
    return it != entries_.end() ? it->second : fallback;
}

void PropertyBag::Write(std::string_view key, const PropertyValue& value,
                        const PropertyValue& fallback) {
    const auto it = entries_.find(key);
    if (ValuesEqual(value, fallback)) {
        if (it != entries_.end()) {
            entries_.erase(it);
        }
        return;
    }
    if (it != entries_.end()) {
        it->second = value;
    } else {
        entries_.emplace(std::string(key), value);
    }
}

bool PropertyBag::Contains(std::string_view key) const {
    return entries_.find(key) != entries_.end();
}

} // namespace lumo
