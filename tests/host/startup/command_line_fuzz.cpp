// Any bytes as a command line: the parsers must neither crash nor read outside the text, and
// their results must keep their promises.
#include "command_line.h"
#include "cp932.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The bytes up to the first NUL are also taken as the program's own path.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string ownPath(text.substr(0, text.find('\0')));
    for (const std::string& path : {std::string(), ownPath}) {
        const std::string arguments = lumo::ArgumentsOf(text, std::span(&path, 1));
        if (arguments.size() > text.size() || !text.ends_with(arguments)) {
            std::abort();
        }
    }
    // Whatever the path holds (blanks, quotes inside, trail bytes that look like letters), the
    // program started by it finds exactly its own arguments.
    if (!ownPath.empty() && ownPath[0] != '"' &&
        lumo::ArgumentsOf(ownPath + " /s", std::span(&ownPath, 1)) != "/s") {
        std::abort();
    }
    const std::string arguments = lumo::ArgumentsOf(text);
    for (const std::string_view line : {text, std::string_view(arguments)}) {
        const std::string mode = lumo::ModeLetter(line);
        if (mode.size() > 2 || (line.size() < 2 && !mode.empty())) {
            std::abort();
        }
        (void)lumo::ParentWindowHandle(line);
        const auto chars = lumo::cp932::Characters(line);
        std::size_t total = 0;
        for (const auto c : chars) {
            total += c.size();
        }
        if (total != line.size()) {
            std::abort();
        }
    }
    return 0;
}
