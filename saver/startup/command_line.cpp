#include "command_line.h"

#include "ascii_text.h"
#include "cp932.h"
#include "decimal_text.h"

#include <algorithm>
#include <limits>

namespace lumo {

namespace {

// Whether `line` begins with `path`, ASCII letters compared in either case. Lead bytes are never
// letters, so equal upper-cased bytes also start their characters at the same places: a match
// ends where a character of the line ends.
bool StartsWithPath(std::string_view line, std::string_view path) {
    return !path.empty() && line.size() >= path.size() &&
           cp932::UpperAscii(line.substr(0, path.size())) == cp932::UpperAscii(path);
}

// The length of the program's own path with its quotes at the start of the line, or 0 when the
// line does not begin with one of the known forms followed by a blank or the end.
std::size_t OwnPathLength(std::string_view line, std::span<const std::string> programPaths) {
    std::size_t longest = 0;
    for (const std::string& path : programPaths) {
        std::size_t length = 0;
        if (!line.empty() && line[0] == '"') {
            if (StartsWithPath(line.substr(1), path) && line.size() > path.size() + 1 &&
                line[path.size() + 1] == '"') {
                length = path.size() + 2;
            }
        } else if (StartsWithPath(line, path) &&
                   (line.size() == path.size() || text::IsBlank(line[path.size()]))) {
            length = path.size();
        }
        longest = std::max(longest, length);
    }
    return longest;
}

// The length of the program's name by the plain rule: up to its closing quote, or up to the
// first blank when it is not quoted.
std::size_t NameLength(std::string_view line) {
    const auto n = line.size();
    std::size_t i = 0;
    if (n > 0 && line[0] == '"') {
        i = 1;
        while (i < n && line[i] != '"') {
            ++i;
        }
        if (i < n) {
            ++i; // the closing quote
        }
    } else {
        while (i < n && !text::IsBlank(line[i])) {
            ++i;
        }
    }
    return i;
}

} // namespace

std::string ArgumentsOf(std::string_view fullCommandLine,
                        std::span<const std::string> programPaths) {
    std::size_t i = OwnPathLength(fullCommandLine, programPaths);
    if (i == 0) {
        i = NameLength(fullCommandLine);
    }
    while (i < fullCommandLine.size() && text::IsBlank(fullCommandLine[i])) {
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
    while (i < rest.size() && text::IsBlank(rest[i])) {
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
