#include "command_line.h"

#include "cp932.h"
#include "decimal_text.h"

#include <limits>

namespace lumo {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string ArgumentsOf(std::string_view fullCommandLine) {
    std::size_t i = 0;
    const auto n = fullCommandLine.size();
    if (n > 0 && fullCommandLine[0] == '"') {
        i = 1;
        while (i < n && fullCommandLine[i] != '"') {
            ++i;
        }
        if (i < n) {
            ++i; // the closing quote
        }
    } else {
        while (i < n && !IsBlank(fullCommandLine[i])) {
            ++i;
        }
    }
    while (i < n && IsBlank(fullCommandLine[i])) {
        ++i;
    }
    return std::string(fullCommandLine.substr(i));
}

std::string ModeLetter(std::string_view arguments) {
    const std::string upper = cp932::UpperAscii(arguments);
    const auto chars = cp932::Characters(upper);
    if (chars.size() < 2) {
        return {};
    }
    return std::string(chars[1]);
}

std::int32_t ParentWindowHandle(std::string_view arguments) {
    const auto chars = cp932::Characters(arguments);
    if (chars.size() < 4) {
        return 0;
    }
    const std::string_view rest =
        arguments.substr(static_cast<std::size_t>(chars[3].data() - arguments.data()));
    std::size_t i = 0;
    while (i < rest.size() && IsBlank(rest[i])) {
        ++i;
    }
    // Digits up to the first character that cannot continue them; whatever follows is ignored.
    const auto number =
        text::ScanDecimal(rest.substr(i), {.fraction = false, .exponentLetters = {}});
    if (!number) {
        return 0;
    }
    // One past the magnitude of INT32_MIN: anything larger cannot be a handle.
    constexpr std::uint64_t kLimit = std::uint64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    const auto magnitude = text::DigitsValue(number->integerDigits, 10, kLimit);
    if (!magnitude) {
        return 0;
    }
    const std::int64_t value = number->negative ? -static_cast<std::int64_t>(*magnitude)
                                                : static_cast<std::int64_t>(*magnitude);
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace lumo
