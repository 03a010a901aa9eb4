#pragma once
// The one scanner of numbers written in text that every reader of the saver builds on: the
// command line's window number, the settings file's values and the stored properties of the
// forms. It only finds the parts; each caller decides what it accepts around and inside a
// number (blanks, a fraction, an exponent and its letters, text after it) and what the parts
// are worth, so the forms each accepts may differ while the digit arithmetic is written once,
// overflow-safe.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumo::text {

struct DecimalSyntax {
    bool fraction = true;                    // digits after a '.'
    std::string_view exponentLetters = "eE"; // none: no exponent
};

struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;  // before the point; may be empty when a fraction has digits
    std::string_view fractionDigits; // after the point
    bool exponentNegative = false;
    std::string_view exponentDigits; // empty without an exponent
    std::size_t length = 0;          // characters scanned from the start of the text
};

// Scans an optional sign, digits with an optional fraction and an optional exponent from the
// very start of `text` (no blanks are skipped). nullopt when no mantissa digit is found, or an
// exponent letter is followed by no digit.
std::optional<DecimalParts> ScanDecimal(std::string_view text, const DecimalSyntax& syntax);

// The value of a run of digits in `radix` (2 to 16, letters in either case), or nullopt when a
// character is no such digit or the value exceeds `largest`.
std::optional<std::uint64_t> DigitsValue(std::string_view digits, unsigned radix,
                                         std::uint64_t largest);

} // namespace lumo::text
